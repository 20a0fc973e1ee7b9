#include "qt/main_frame.h"

namespace jd::qt {

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIQuill"));
    setWindowTitle(QString::fromLatin1(kFrameCaption));
    setCentralWidget(mdi_);
    resize(1024, 700);
}

}  // namespace jd::qt
