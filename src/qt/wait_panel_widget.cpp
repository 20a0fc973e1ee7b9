#include "qt/wait_panel_widget.h"

#include <QEvent>
#include <QPainter>

#include "qt/paper.h"
#include "qt/qt_binding.h"
#include "qt/twips.h"

namespace jd::qt {

namespace {
const QColor kFillColor(254, 218, 14);
}  // namespace

WaitPanelWidget::WaitPanelWidget(WaitPanel& panel, QWidget* parent) : QWidget(parent), panel_(&panel) {
    setObjectName(QStringLiteral("PicMask"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (Control* c : {static_cast<Control*>(&panel.PicMask), static_cast<Control*>(&panel.Frame1),
                       static_cast<Control*>(&panel.Label1), &panel.PicOut, &panel.PicIn})
        subscriptions_.emplace_back(*c, [this] { sync(); });
    if (parent) parent->installEventFilter(this);
    sync();
}

WaitPanelWidget::~WaitPanelWidget() { detach(); }

void WaitPanelWidget::detach() {
    subscriptions_.clear();
    panel_ = nullptr;
    hide();
}

bool WaitPanelWidget::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && e->type() == QEvent::Resize) sync();
    return QWidget::eventFilter(watched, e);
}

void WaitPanelWidget::sync() {
    if (!panel_ || syncing_ || !parentWidget()) return;
    syncing_ = true;
    // The mask is aligned to the top of the client area and as wide as it.
    const int areaWidth = parentWidget()->width();
    panel_->PicMask.setWidth(pixelsToTwips(areaWidth));
    const int height = std::min(twipsToPixels(panel_->PicMask.height()), parentWidget()->height());
    setGeometry(0, 0, areaWidth, height);
    const bool shown = panel_->PicMask.visible() && height > 0;
    if (shown != isVisible()) setVisible(shown);
    if (shown) raise();
    update();
    syncing_ = false;
}

QRect WaitPanelWidget::boxRect() const {
    if (!panel_) return {};
    const Control& f = panel_->Frame1;
    return {twipsToPixels(f.left()), twipsToPixels(f.top()), twipsToPixels(f.width()), twipsToPixels(f.height())};
}

QRect WaitPanelWidget::fillRect() const {
    if (!panel_) return {};
    const QRect box = boxRect();
    const Control& out = panel_->PicOut;
    const Control& in = panel_->PicIn;
    const QRect track(box.left() + twipsToPixels(out.left()), box.top() + twipsToPixels(out.top()),
                      twipsToPixels(out.width()), twipsToPixels(out.height()));
    // The fill lies inside the track and is clipped by it.
    const QRect fill(track.left() + twipsToPixels(in.left()), track.top() + twipsToPixels(in.top()),
                     twipsToPixels(in.width()), twipsToPixels(in.height()));
    return fill.intersected(track);
}

void WaitPanelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kPaper);
    if (!panel_) return;
    const QRect box = boxRect();
    p.setPen(QColor(150, 120, 80));
    p.drawRect(box.adjusted(0, 0, -1, -1));

    const Control& out = panel_->PicOut;
    const QRect track(box.left() + twipsToPixels(out.left()), box.top() + twipsToPixels(out.top()),
                      twipsToPixels(out.width()), twipsToPixels(out.height()));
    p.fillRect(track, Qt::white);
    p.fillRect(fillRect(), kFillColor);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(track.adjusted(0, 0, -1, -1));

    const Control& label = panel_->Label1;
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPointSize(9);
    p.setFont(f);
    p.setPen(Qt::black);
    const QRect labelRect(box.left() + twipsToPixels(label.left()), box.top() + twipsToPixels(label.top()),
                          twipsToPixels(label.width()), twipsToPixels(label.height()));
    p.drawText(labelRect, Qt::AlignCenter, toQt(panel_->Label1.caption()));
}

}  // namespace jd::qt
