#pragma once
// A window's chain of tab stops, as its model lists them.
#include <QWidget>
#include <vector>

namespace jd::qt {

// Tab goes from each widget to the next, in the order given.
inline void chainTabOrder(const std::vector<QWidget*>& widgets) {
    for (size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

}  // namespace jd::qt
