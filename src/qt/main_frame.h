#pragma once
// The program's frame: a main window whose client area holds the child
// windows (a multiple-document area).
#include <QMainWindow>
#include <QMdiArea>

namespace jd::qt {

inline constexpr const char* kFrameCaption = "Jataka Desk 0.1";

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget* parent = nullptr);
    QMdiArea* mdiArea() const { return mdi_; }

private:
    QMdiArea* mdi_;  // owned by the frame
};

}  // namespace jd::qt
