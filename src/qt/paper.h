#pragma once
// The cream paper the program's charts, reports and result windows lie on.
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace jd::qt {

inline const QColor kPaper(255, 252, 236);

// The widget's background is the paper.
inline void paintPaper(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kPaper);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace jd::qt
