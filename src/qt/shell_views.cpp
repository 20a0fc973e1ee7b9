#include "qt/shell_views.h"

#include <QPainter>
#include <QVBoxLayout>

#include "qt/qt_controls.h"
#include "qt/twips.h"
#include "ui/shell/about_us.h"
#include "ui/shell/main_horoscope.h"

namespace jd::qt {

namespace {

const QColor kPaper(255, 252, 236);

// A small South Indian square, the picture of the about box.
class ChartEmblem : public QWidget {
public:
    explicit ChartEmblem(QWidget* parent) : QWidget(parent) { setFixedSize(64, 64); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r(2, 2, 60, 60);
        p.fillRect(r, Qt::white);
        p.setPen(QPen(QColor(128, 64, 16), 1.5));
        p.drawRect(r);
        for (int i = 1; i < 4; ++i) {
            p.drawLine(QPointF(r.left() + i * 15, r.top()), QPointF(r.left() + i * 15, r.top() + 15));
            p.drawLine(QPointF(r.left() + i * 15, r.bottom() - 15), QPointF(r.left() + i * 15, r.bottom()));
            p.drawLine(QPointF(r.left(), r.top() + i * 15), QPointF(r.left() + 15, r.top() + i * 15));
            p.drawLine(QPointF(r.right() - 15, r.top() + i * 15), QPointF(r.right(), r.top() + i * 15));
        }
        p.drawRect(QRectF(r.left() + 15, r.top() + 15, 30, 30));
        p.fillRect(QRectF(r.left() + 16, r.top() + 1, 13, 13), QColor(254, 218, 14));
    }
};

QWidget* navigatorView(Window& w) {
    auto& nav = static_cast<frm_MainHoroscope&>(w);
    auto* view = new QWidget;
    QPalette pal = view->palette();
    pal.setColor(QPalette::Window, QColor(230, 217, 189));
    view->setPalette(pal);
    view->setAutoFillBackground(true);
    // The tree keeps the place and size the window gives it.
    auto* tree = new QtTree(nav.tV, &nav, view);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(11);
    tree->setFont(f);
    return view;
}

QWidget* aboutView(Window& w) {
    auto& about = static_cast<frm_AboutUs&>(w);
    auto* view = new QWidget;
    QPalette pal = view->palette();
    pal.setColor(QPalette::Window, kPaper);
    view->setPalette(pal);
    view->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(view);
    auto* top = new QHBoxLayout;
    top->addWidget(new ChartEmblem(view), 0, Qt::AlignTop);
    auto* names = new QVBoxLayout;
    auto* product = new QtLabel(about.lblProduct);
    QFont big(QStringLiteral("Times New Roman"));
    big.setPointSize(18);
    big.setBold(true);
    product->setFont(big);
    names->addWidget(product);
    names->addWidget(new QtLabel(about.lblVersion));
    names->addWidget(new QtLabel(about.lblKind));
    top->addLayout(names, 1);
    layout->addLayout(top);
    auto* licence = new QtLabel(about.lblLicence);
    licence->setWordWrap(true);
    layout->addWidget(licence);
    layout->addWidget(new QtLabel(about.lblRights));
    layout->addStretch(1);
    auto* ok = new QtButton(about.Command1, &about);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    return view;
}

}  // namespace

void addShellViews(ViewFactory& views) {
    views.add(frm_MainHoroscope::kWindowName, navigatorView, ViewDecoration::Titled);
    views.add(frm_AboutUs::kWindowName, aboutView, ViewDecoration::Titled);
}

}  // namespace jd::qt
