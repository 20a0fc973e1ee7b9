#include "qt/save_chart_window.h"

#include "qt/qt_controls.h"
#include "ui/chart/frm_save_chart.h"

namespace jd::qt {

SaveChartWindow::SaveChartWindow(Frm_SaveChart& model, QWidget* parent) : QWidget(parent, kOwnWindowFlags) {
    setObjectName(QString::fromUtf8(model.name().c_str()));
    setWindowTitle(QString::fromUtf8(model.caption().c_str()));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    new QtLabel(model.lblChartName, this);
    auto* name = new QtTextBox(model.Txt_SC_ChartName, &model, this);
    auto* save = new QtButton(model.Cmd_SC_Save, &model, this);
    auto* cancel = new QtButton(model.Cmd_SC_Close, &model, this);
    save->setDefault(true);
    setTabOrder(name, save);
    setTabOrder(save, cancel);
}

void addSaveChartView(ViewFactory& views) {
    views.add<Frm_SaveChart, SaveChartWindow>(ViewDecoration::Separate);
}

}  // namespace jd::qt
