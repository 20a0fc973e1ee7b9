#include "qt/personal_details_window.h"

#include "qt/qt_controls.h"
#include "qt/tab_order.h"
#include "ui/shell/frm_details.h"

namespace jd::qt {

namespace {

QWidget* personalDetailsView(Window& w) {
    auto* model = dynamic_cast<frm_Details*>(&w);
    if (!model) return nullptr;
    frm_Details& m = *model;

    auto* view = new QWidget;
    view->setObjectName(toQt(m.name()));
    view->setFont(QFont(QStringLiteral("Verdana"), 8));
    for (Label* l : {&m.lblName, &m.lblAdd, &m.lblCity, &m.lblCountry, &m.lblZip, &m.lblPhone, &m.lblEmail})
        new QtLabel(*l, view);

    // The buttons come first in the tab order, then the boxes top to bottom.
    std::vector<QWidget*> tabOrder;
    for (CommandButton* b : {&m.cmdNew, &m.cmdEdit, &m.cmdSave, &m.CMDCANCEl})
        tabOrder.push_back(new QtButton(*b, &m, view));
    for (TextBox* box : m.boxes()) tabOrder.push_back(new QtTextBox(*box, &m, view));
    chainTabOrder(tabOrder);
    return view;
}

}  // namespace

void addPersonalDetailsView(ViewFactory& views) {
    views.add(frm_Details::kWindowName, personalDetailsView, ViewDecoration::Titled);
}

}  // namespace jd::qt
