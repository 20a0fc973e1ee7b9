#include "qt/save_chart_window.h"

#include <QKeyEvent>

#include "qt/qt_controls.h"
#include "qt/tab_order.h"
#include "ui/chart/frm_save_chart.h"

namespace jd::qt {

SaveChartWindow::SaveChartWindow(Frm_SaveChart& model, QWidget* parent) : QWidget(parent, kOwnWindowFlags) {
    setObjectName(toQt(model.name()));
    setWindowTitle(toQt(model.caption()));
    setFont(QFont(QStringLiteral("Verdana"), 8));
    new QtLabel(model.lblChartName, this);
    name_ = new QtTextBox(model.Txt_SC_ChartName, &model, this);
    save_ = new QtButton(model.Cmd_SC_Save, &model, this);
    auto* cancel = new QtButton(model.Cmd_SC_Close, &model, this);
    save_->setDefault(true);
    chainTabOrder({name_, save_, cancel});
    name_->installEventFilter(this);
}

bool SaveChartWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == name_ && e->type() == QEvent::KeyPress) {
        // The keys of a dialog's default button: Enter alone, or the keypad's.
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        const bool alone = !k->modifiers() || (k->modifiers() == Qt::KeypadModifier && k->key() == Qt::Key_Enter);
        if (enter && alone && isFirstPressIn(name_, k)) {
            save_->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void addSaveChartView(ViewFactory& views) {
    views.add<Frm_SaveChart, SaveChartWindow>(ViewDecoration::Separate);
}

}  // namespace jd::qt
