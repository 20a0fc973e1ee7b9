#include "qt/chart_picture.h"

#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

#include "qt/paper.h"
#include "qt/qt_binding.h"

namespace jd::qt {

namespace {

const QColor kLine(128, 64, 16);
const QColor kText(20, 20, 70);
const QColor kSignNumber(170, 40, 20);

QPolygonF box(double x, double y, double w, double h) {
    return QPolygonF(QRectF(x, y, w, h)).mid(0, 4);
}

QPolygonF poly(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

QPointF centroid(const QPolygonF& p) {
    QPointF sum;
    for (const QPointF& v : p) sum += v;
    return sum / double(p.size());
}

// Where the text of a cell goes: a box about the cell's centre of mass that
// stays inside the cell. Whole squares keep a small margin; triangles and the
// North diamonds have only their middle free of slanted sides.
QRectF textBox(const QPolygonF& cell) {
    const QRectF bounds = cell.boundingRect();
    bool square = cell.size() == 4;
    for (const QPointF& v : cell)
        if (v.x() != bounds.left() && v.x() != bounds.right()) square = false;
    const double k = square ? 0.92 : 0.5;
    const QPointF c = centroid(cell);
    const double w = bounds.width() * k, h = bounds.height() * k;
    return {c.x() - w / 2, c.y() - h / 2, w, h};
}

QString fromModel(const std::string& s) {
    QString t = toQt(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.trimmed();
}

// Draws a text into a box, wrapped at blanks, in the largest size up to
// `points` that fits.
void drawFitted(QPainter& p, const QRectF& r, const QString& text, double points, bool bold = false) {
    if (text.isEmpty()) return;
    QFont f = p.font();
    f.setBold(bold);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (double size = points; size >= 5.0; size -= 0.5) {
        f.setPointSizeF(size);
        p.setFont(f);
        const QRectF need = p.boundingRect(r, flags, text);
        if (need.width() <= r.width() + 0.5 && need.height() <= r.height() + 0.5) break;
    }
    p.drawText(r, flags, text);
}

}  // namespace

ChartPicture::ChartPicture(ChartCells cells, QWidget* parent) : QWidget(parent), cells_(cells) {
    setObjectName(QStringLiteral("ChartPicture"));
    setAutoFillBackground(false);
    auto watch = [this](Control* c) {
        if (c) subscriptions_.emplace_back(*c, [this] { update(); });
    };
    watch(cells_.south);
    watch(cells_.north);
    watch(cells_.east);
    watch(cells_.centreName);
    for (LabelArray* a : {cells_.southCells, cells_.northCells, cells_.eastCells, cells_.northSigns})
        if (a)
            for (int i = a->lower(); i <= a->upper(); ++i) watch(&(*a)[i]);
}

ChartStyle ChartPicture::style() const {
    if (cells_.south && cells_.south->visible()) return ChartStyle::South;
    if (cells_.north && cells_.north->visible()) return ChartStyle::North;
    if (cells_.east && cells_.east->visible()) return ChartStyle::East;
    return ChartStyle::None;
}

std::vector<QPolygonF> ChartPicture::regions(ChartStyle style) {
    const double q = 0.25, t = 1.0 / 3;
    switch (style) {
        case ChartStyle::South: {
            // Signs by (column, row) of the 4 x 4 square, Aries to Pisces.
            static const int cell[12][2] = {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
                                            {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0}};
            std::vector<QPolygonF> r;
            for (const auto& c : cell) r.push_back(box(c[0] * q, c[1] * q, q, q));
            return r;
        }
        case ChartStyle::North: {
            const QPointF TL(0, 0), TR(1, 0), BR(1, 1), BL(0, 1);
            const QPointF T(0.5, 0), R(1, 0.5), B(0.5, 1), L(0, 0.5), C(0.5, 0.5);
            const QPointF pTL(q, q), pTR(3 * q, q), pBR(3 * q, 3 * q), pBL(q, 3 * q);
            return {
                poly({T, pTR, C, pTL}),  // 1: the top diamond
                poly({TL, T, pTL}),      // 2
                poly({TL, pTL, L}),      // 3
                poly({L, pTL, C, pBL}),  // 4: the left diamond
                poly({L, pBL, BL}),      // 5
                poly({BL, pBL, B}),      // 6
                poly({B, pBL, C, pBR}),  // 7: the bottom diamond
                poly({B, pBR, BR}),      // 8
                poly({BR, pBR, R}),      // 9
                poly({R, pBR, C, pTR}),  // 10: the right diamond
                poly({R, pTR, TR}),      // 11
                poly({TR, pTR, T}),      // 12
            };
        }
        case ChartStyle::East: {
            const double a = t, b = 2 * t;
            return {
                box(a, 0, t, t),                                     // 1 Aries: top middle
                poly({{0, 0}, {a, 0}, {a, a}}),                      // 2: top-left, along the top
                poly({{0, 0}, {a, a}, {0, a}}),                      // 3: top-left, along the left
                box(0, a, t, t),                                     // 4: left middle
                poly({{0, b}, {a, b}, {0, 1}}),                      // 5: bottom-left, along the left
                poly({{a, b}, {a, 1}, {0, 1}}),                      // 6: bottom-left, along the bottom
                box(a, b, t, t),                                     // 7: bottom middle
                poly({{b, b}, {1, 1}, {b, 1}}),                      // 8: bottom-right, along the bottom
                poly({{b, b}, {1, b}, {1, 1}}),                      // 9: bottom-right, along the right
                box(b, a, t, t),                                     // 10: right middle
                poly({{1, 0}, {1, a}, {b, a}}),                      // 11: top-right, along the right
                poly({{b, 0}, {1, 0}, {b, a}}),                      // 12: top-right, along the top
            };
        }
        case ChartStyle::None: break;
    }
    return {};
}

QString ChartPicture::cellText(ChartStyle style, int n) const {
    switch (style) {
        case ChartStyle::South: return cells_.southCells ? fromModel((*cells_.southCells)[n - 1].caption()) : QString();
        case ChartStyle::North: return cells_.northCells ? fromModel((*cells_.northCells)[n].caption()) : QString();
        case ChartStyle::East: return cells_.eastCells ? fromModel((*cells_.eastCells)[n].caption()) : QString();
        case ChartStyle::None: break;
    }
    return {};
}

QRectF ChartPicture::square() const {
    const double side = std::max(0, std::min(width(), height()) - 8);
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

QString ChartPicture::textAt(QPointF point) const {
    const ChartStyle s = style();
    const QRectF sq = square();
    if (sq.width() <= 0) return {};
    const QPointF unit((point.x() - sq.left()) / sq.width(), (point.y() - sq.top()) / sq.height());
    const std::vector<QPolygonF> cells = regions(s);
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i].containsPoint(unit, Qt::OddEvenFill)) return cellText(s, int(i) + 1);
    return {};
}

void ChartPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kPaper);
    const ChartStyle s = style();
    if (s == ChartStyle::None) return;

    const QRectF sq = square();
    QTransform toWidget;
    toWidget.translate(sq.left(), sq.top());
    toWidget.scale(sq.width(), sq.height());
    const double basePoints = std::clamp(sq.width() / 46.0, 6.5, 11.0);

    p.setPen(QPen(kLine, 1.6));
    p.setBrush(Qt::white);
    p.drawRect(sq);
    p.setBrush(Qt::NoBrush);
    const std::vector<QPolygonF> cells = regions(s);
    for (const QPolygonF& c : cells) p.drawPolygon(toWidget.map(c));
    if (s == ChartStyle::East) p.drawRect(toWidget.mapRect(QRectF(1.0 / 3, 1.0 / 3, 1.0 / 3, 1.0 / 3)));

    p.setPen(kText);
    for (size_t i = 0; i < cells.size(); ++i) {
        QRectF r = toWidget.mapRect(textBox(cells[i]));
        if (s == ChartStyle::South) r.adjust(3, 3, -3, -3);
        drawFitted(p, r, cellText(s, int(i) + 1), basePoints);
    }

    if (s == ChartStyle::South && cells_.centreName) {
        p.setPen(kLine);
        drawFitted(p, toWidget.mapRect(QRectF(0.25, 0.25, 0.5, 0.5)), fromModel(cells_.centreName->caption()),
                   basePoints * 1.4, true);
    }

    if (s == ChartStyle::North && cells_.northSigns) {
        // Each house's sign number just off its inner corner, towards the
        // middle of the house.
        const QPointF centre(0.5, 0.5);
        p.setPen(kSignNumber);
        QFont f = p.font();
        f.setPointSizeF(basePoints * 0.9);
        f.setBold(true);
        p.setFont(f);
        for (size_t i = 0; i < cells.size(); ++i) {
            const QPolygonF& c = cells[i];
            QPointF inner = c.front();
            for (const QPointF& v : c)
                if (QLineF(v, centre).length() < QLineF(inner, centre).length()) inner = v;
            const QPointF at = inner + (centroid(c) - inner) * 0.3;
            const QPointF w = toWidget.map(at);
            const QString n = fromModel((*cells_.northSigns)[int(i) + 1].caption());
            p.drawText(QRectF(w.x() - 15, w.y() - 9, 30, 18), Qt::AlignCenter, n);
        }
    }
}

}  // namespace jd::qt
