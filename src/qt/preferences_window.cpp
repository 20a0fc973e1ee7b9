#include "qt/preferences_window.h"

#include "qt/qt_controls.h"
#include "qt/tab_order.h"
#include "ui/shell/frm_preferences.h"

namespace jd::qt {

namespace {

QWidget* preferencesView(Window& w) {
    auto* model = dynamic_cast<frm_Preferences*>(&w);
    if (!model) return nullptr;
    frm_Preferences& m = *model;

    auto* view = new QWidget;
    view->setObjectName(toQt(m.name()));
    view->setFont(QFont(QStringLiteral("Verdana"), 8));
    for (Label* l : {&m.lblAyanamsa, &m.lblBhava, &m.lblChart, &m.lblDays, &m.lblDaysNote, &m.lblLanguage,
                     &m.lblLanguageNote})
        new QtLabel(*l, view);

    std::vector<QWidget*> tabOrder;
    for (ComboBox* c : {&m.cbAyanamsa, &m.cbBhava, &m.cbChart, &m.Cbdays, &m.cbLanguage})
        tabOrder.push_back(new QtComboBox(*c, &m, view));

    // The custom values lie inside their frame, which hides them with it.
    auto* custom = new QtFrame(m.FRAMECUSTOM, view);
    new QtLabel(m.lblZero, custom);
    tabOrder.push_back(new QtTextBox(m.txtZero, &m, custom));
    new QtLabel(m.lblProgression, custom);
    tabOrder.push_back(new QtTextBox(m.txtPogression, &m, custom));

    for (CommandButton* b : {&m.cmdSave, &m.Command1, &m.CMDCANCEl}) tabOrder.push_back(new QtButton(*b, &m, view));
    chainTabOrder(tabOrder);
    return view;
}

}  // namespace

void addPreferencesView(ViewFactory& views) {
    views.add(frm_Preferences::kWindowName, preferencesView, ViewDecoration::Titled);
}

}  // namespace jd::qt
