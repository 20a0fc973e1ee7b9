#pragma once
// A chart drawn from the cells of a chart window, in the style whose frame
// the window shows: the South Indian square (signs fixed, Pisces at the top
// left, running clockwise), the North Indian diamond (houses fixed, the
// first at the top, running anticlockwise, with the sign number of each
// house near its inner corner) or the East Indian square (signs fixed, Aries
// at the top middle, running anticlockwise, the corner squares halved).
#include <QPolygonF>
#include <QWidget>
#include <vector>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/subscription.h"

namespace jd::qt {

// The controls of one chart window that the picture shows.
struct ChartCells {
    Frame* south;
    Frame* north;
    Frame* east;
    Label* centreName;      // the chart's name in the middle of the South square
    LabelArray* southCells;  // 0..11: sign - 1
    LabelArray* northCells;  // 1..12: house
    LabelArray* eastCells;   // 1..12: sign
    LabelArray* northSigns;  // 1..12: the sign number shown in each house
};

enum class ChartStyle { None, South, North, East };

class ChartPicture : public QWidget {
    Q_OBJECT
public:
    explicit ChartPicture(ChartCells cells, QWidget* parent = nullptr);

    // The style drawn: the first frame shown of South, North, East.
    ChartStyle style() const;

    // The region of each cell in a square of side 1, in the order of the
    // style's cell array (South and East by sign 1..12, North by house
    // 1..12).
    static std::vector<QPolygonF> regions(ChartStyle style);

    // What the picture shows at a point of the widget: the text of the cell
    // there ("" outside the cells or in a cell that is empty).
    QString textAt(QPointF point) const;

    QSize sizeHint() const override { return {460, 460}; }
    QSize minimumSizeHint() const override { return {240, 240}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // The square the chart is drawn in.
    QRectF square() const;
    // The cell's text of the style's n-th region (n from 1).
    QString cellText(ChartStyle style, int n) const;

    ChartCells cells_;
    std::vector<Subscription> subscriptions_;
};

}  // namespace jd::qt
