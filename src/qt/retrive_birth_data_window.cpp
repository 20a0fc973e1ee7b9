#include "qt/retrive_birth_data_window.h"

#include "qt/qt_controls.h"
#include "qt/tab_order.h"
#include "ui/chart/frm_retrive_birth_data.h"

namespace jd::qt {

RetriveBirthDataWindow::RetriveBirthDataWindow(Frm_RetriveBirthData& model, QWidget* parent)
    : QWidget(parent, kOwnWindowFlags) {
    setObjectName(toQt(model.name()));
    setWindowTitle(toQt(model.caption()));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    // The frame first, so the controls it holds lie above it.
    new QtFrame(model.Frame1, this);
    new QtLabel(model.Lab_Details, this);
    auto* list = new QtListBox(model.List_VC_ChartName, &model, this);
    auto* ok = new QtButton(model.Cmd_Submit, &model, this);
    auto* cancel = new QtButton(model.Cmd_Close, &model, this);
    chainTabOrder({list, ok, cancel});
}

void addRetriveBirthDataView(ViewFactory& views) {
    views.add<Frm_RetriveBirthData, RetriveBirthDataWindow>(ViewDecoration::Separate);
}

}  // namespace jd::qt
