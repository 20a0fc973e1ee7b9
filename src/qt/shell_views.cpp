#include "qt/shell_views.h"

#include <QPainter>
#include <algorithm>
#include <QVBoxLayout>

#include "qt/paper.h"
#include "qt/qt_controls.h"
#include "qt/twips.h"
#include "ui/shell/about_us.h"
#include "ui/shell/main_horoscope.h"

namespace jd::qt {

namespace {

// A South Indian square in a square of the given side, with Aries marked.
void paintEmblem(QPainter& p, double side) {
    p.setRenderHint(QPainter::Antialiasing);
    const double m = side / 32, q = (side - 2 * m) / 4;
    const QRectF r(m, m, side - 2 * m, side - 2 * m);
    p.fillRect(r, Qt::white);
    p.fillRect(QRectF(r.left() + q, r.top(), q, q), QColor(254, 218, 14));
    p.setPen(QPen(QColor(128, 64, 16), std::max(1.0, side / 40)));
    p.drawRect(r);
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(r.left() + i * q, r.top()), QPointF(r.left() + i * q, r.top() + q));
        p.drawLine(QPointF(r.left() + i * q, r.bottom() - q), QPointF(r.left() + i * q, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + i * q), QPointF(r.left() + q, r.top() + i * q));
        p.drawLine(QPointF(r.right() - q, r.top() + i * q), QPointF(r.right(), r.top() + i * q));
    }
    p.drawRect(QRectF(r.left() + q, r.top() + q, 2 * q, 2 * q));
}

// The picture of the about box.
class ChartEmblem : public QWidget {
public:
    explicit ChartEmblem(QWidget* parent) : QWidget(parent) { setFixedSize(64, 64); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintEmblem(p, 64);
    }
};

QWidget* navigatorView(Window& w) {
    auto& nav = static_cast<frm_MainHoroscope&>(w);
    auto* view = new QWidget;
    QPalette pal = view->palette();
    pal.setColor(QPalette::Window, QColor(230, 217, 189));
    view->setPalette(pal);
    view->setAutoFillBackground(true);
    // The tree keeps the place and size the window gives it. Its frame shows
    // when it has the keys: the chosen entry's colours hide Qt's own mark of
    // the current one.
    auto* tree = new FocusMarked<QtTree>(nav.tV, &nav, view);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(10);
    tree->setFont(f);
    tree->setIndentation(12);
    return view;
}

QWidget* aboutView(Window& w) {
    auto& about = static_cast<frm_AboutUs&>(w);
    auto* view = new QWidget;
    paintPaper(view);
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

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        paintEmblem(p, side);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void addShellViews(ViewFactory& views) {
    views.add(frm_MainHoroscope::kWindowName, navigatorView);
    views.add(frm_AboutUs::kWindowName, aboutView, ViewDecoration::Titled);
}

}  // namespace jd::qt
