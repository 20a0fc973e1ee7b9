#include "qt/open_chart_window.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "qt/qt_controls.h"
#include "qt/tab_order.h"
#include "qt/twips.h"
#include "ui/chart/frm_open_chart.h"

namespace jd::qt {
namespace {

// The toolbar's pictures, from the style, by button key.
QIcon toolIcon(const QWidget* w, const std::string& key) {
    QStyle::StandardPixmap p = QStyle::SP_FileIcon;
    if (key == "open") p = QStyle::SP_DialogOpenButton;
    if (key == "save") p = QStyle::SP_DialogSaveButton;
    if (key == "delete") p = QStyle::SP_TrashIcon;
    if (key == "close") p = QStyle::SP_DialogCloseButton;
    return w->style()->standardIcon(p);
}

}  // namespace

OpenChartWindow::OpenChartWindow(frm_OpenChart& model, QWidget* parent)
    : QWidget(parent, kOwnWindowFlags), model_(model), menuBar_(new QMenuBar(this)), toolBar_(nullptr) {
    setObjectName(toQt(model.name()));
    setWindowTitle(toQt(model.caption()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);

    QMenu* file = menuBar_->addMenu(toQt(model.mnu_File.caption()));
    file->setObjectName(toQt(model.mnu_File.name()));
    const auto menuItem = [&](CommandButton& item) { bindCommand(file->addAction(toQt(item.caption())), item); };
    menuItem(model.mnu_New);
    menuItem(model.mnuOpen);
    file->addSeparator();
    menuItem(model.mnuSave);
    menuItem(model.mnuDelete);
    file->addSeparator();
    menuItem(model.mnuClose);

    // The boxes lie where the window's models put them (in twips).
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    layout->addWidget(client, 1);

    toolBar_ = new QToolBar(client);
    toolBar_->setObjectName(QStringLiteral("tbrChartFile"));
    toolBar_->setMovable(false);
    toolBar_->setGeometry(0, 0, twipsToPixels(model.width() > 0 ? model.width() : 6240), twipsToPixels(420));
    for (ToolButton* b : model.tbrChartFile()) {
        QAction* a = toolBar_->addAction(toolIcon(this, b->key()), toQt(b->key()));
        a->setToolTip(toQt(b->toolTip()));
        bindCommand(a, *b);
    }

    for (Label* l : {&model.lblName, &model.lblSex, &model.lblBirthDate, &model.lblDateHint, &model.lblBirthTime,
                     &model.lblCountry, &model.lblCity, &model.lblTimeZone, &model.lblLatitude,
                     &model.lblLongitude})
        new QtLabel(*l, client);

    // The Enter chain is also the start of the tab order.
    std::vector<QWidget*> tabOrder;
    tabOrder.push_back(new QtTextBox(model.Txt_VC_ChartName, &model, client));
    for (ComboBox* c : {&model.cbGender, &model.txt_Date, &model.txt_Month, &model.txt_Year, &model.cbHour,
                        &model.cbMins, &model.txt_VC_Country, &model.txt_VC_City, &model.cbTimeZone})
        tabOrder.push_back(new QtComboBox(*c, &model, client));
    tabOrder.push_back(new QtOptionButton(model.Opt_AM, &model, client));
    tabOrder.push_back(new QtOptionButton(model.Opt_PM, &model, client));
    tabOrder.push_back(new QtTextBox(model.txtLatDetails, &model, client));
    tabOrder.push_back(new QtTextBox(model.txtLonDetails, &model, client));
    auto* addCity = new QtButton(model.cmdadd, &model, client);
    addCity->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    addCity->setToolTip(QStringLiteral("City Details"));
    auto* addZone = new QtButton(model.cmdTimeZoneHelp, &model, client);
    addZone->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    addZone->setToolTip(QStringLiteral("Time Zone"));
    tabOrder.push_back(new QtButton(model.cmdSave, &model, client));
    tabOrder.push_back(new QtButton(model.CMDCANCEl, &model, client));
    tabOrder.push_back(addCity);
    tabOrder.push_back(addZone);
    chainTabOrder(tabOrder);

    setFixedSize(twipsToPixels(model.width() > 0 ? model.width() : 6240),
                 twipsToPixels(model.height() > 0 ? model.height() : 5565));
}

void OpenChartWindow::bindCommand(QAction* action, Control& model) {
    action->setObjectName(toQt(model.name()));
    action->setEnabled(model.enabled());
    auto* command = dynamic_cast<CommandButton*>(&model);
    connect(action, &QAction::triggered, this, [command] {
        if (command && command->enabled()) command->click();
    });
    QPointer<QAction> a(action);
    subs_.emplace_back(model, [a, &model] {
        if (a) a->setEnabled(model.enabled());
    });
}

bool OpenChartWindow::hasOwnFlags() const {
    const Qt::WindowFlags f = windowFlags();
    return (f & ~Qt::WindowType_Mask) == (kOwnWindowFlags & ~Qt::WindowType_Mask);
}

bool OpenChartWindow::event(QEvent* e) {
    const bool handled = QWidget::event(e);
    // Whoever makes the window one of its own with plain window flags
    // chooses its kind (a dialog of its owner, or a window beside it); the
    // border stays fixed and the title bar keeps only its close button.
    if (e->type() == QEvent::ParentChange && !applyingFlags_ && !hasOwnFlags()) {
        applyingFlags_ = true;
        setWindowFlags((windowFlags() & Qt::WindowType_Mask) | (kOwnWindowFlags & ~Qt::WindowType_Mask));
        applyingFlags_ = false;
    }
    return handled;
}

void addOpenChartView(ViewFactory& views) {
    views.add<frm_OpenChart, OpenChartWindow>(ViewDecoration::Separate);
}

}  // namespace jd::qt
