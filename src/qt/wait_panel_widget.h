#pragma once
// The "Please Wait ...." panel: a mask over the frame's client area with a
// small box holding a progress bar, drawn from the main window's wait panel.
// It paints on request without handling any input, so nothing the user does
// runs while a chart is cast.
#include <QWidget>
#include <vector>

#include "horoscope/chart_host.h"
#include "platform/subscription.h"

namespace jd::qt {

class WaitPanelWidget : public QWidget {
    Q_OBJECT
public:
    WaitPanelWidget(WaitPanel& panel, QWidget* parent);
    ~WaitPanelWidget() override;

    // Follows the panel's visibility and the mask's height, and tells the
    // panel the width of the client area it covers.
    void sync();
    // Stops following the panel (its window is going away).
    void detach();

    // Where the box and the bar's fill are drawn (for tests).
    QRect boxRect() const;
    QRect fillRect() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    WaitPanel* panel_;
    std::vector<Subscription> subscriptions_;
    bool syncing_ = false;
};

}  // namespace jd::qt
