#pragma once
// The saved-chart list on the screen: a window of its own with the list of
// stored chart names and its two buttons, bound to the window's models.
#include <QWidget>

#include "qt/view_factory.h"

namespace jd {
class Frm_RetriveBirthData;
}

namespace jd::qt {

class RetriveBirthDataWindow : public QWidget {
    Q_OBJECT
public:
    explicit RetriveBirthDataWindow(Frm_RetriveBirthData& model, QWidget* parent = nullptr);
};

// Makes the frame show Frm_RetriveBirthData in a RetriveBirthDataWindow.
void addRetriveBirthDataView(ViewFactory& views);

}  // namespace jd::qt
