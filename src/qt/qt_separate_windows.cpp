#include "qt/qt_separate_windows.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "qt/qt_controls.h"
#include "qt/window_manager.h"

namespace jd::qt {

QtBrowserWindows::~QtBrowserWindows() = default;

void QtBrowserWindows::navigate(const std::string& url, const std::string& windowName) {
    auto& w = windows_[windowName];
    if (!w) {
        w = std::make_unique<QTextBrowser>();
        w->setOpenLinks(false);
        w->setWindowTitle(toQt(windowName));
        w->resize(800, 600);
    }
    QtBrowserPane::showAddress(w.get(), url);
    w->show();
    w->raise();
    w->activateWindow();
}

namespace {
constexpr QSize kHelpSize(700, 600);  // the help window's usual size
}  // namespace

QtHelp::~QtHelp() = default;

void QtHelp::showTopic(const std::string& helpFile, int topic) {
    if (!window_) {
        window_ = std::make_unique<QWidget>();
        window_->setWindowTitle(QStringLiteral("Help"));
        auto* layout = new QVBoxLayout(window_.get());  // owned by the window, as are its widgets
        text_ = new QTextBrowser;
        layout->addWidget(text_);
        auto* closeButton = new QPushButton(QStringLiteral("Close"));
        layout->addWidget(closeButton, 0, Qt::AlignRight);
        window_->resize(kHelpSize);
        // Esc and the button close the window, with or without a window
        // manager, and the window the user came from takes the keys again.
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
        QObject::connect(esc, &QShortcut::activated, window_.get(), [this] { close(); });
        QObject::connect(closeButton, &QPushButton::clicked, window_.get(), [this] { close(); });
    }
    if (QWidget* active = QApplication::activeWindow();
        active && active != window_.get() && active->windowType() != Qt::Popup)
        cameFrom_ = active;
    const QFileInfo file(toQt(helpFile));
    if (file.isFile()) {
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        url.setFragment(QString::number(topic));
        text_->setSource(url);
    } else {
        text_->setPlainText(QStringLiteral("The help file cannot be found: ") + toQt(helpFile));
    }
    // Placed before it first shows, the window has its frame, title bar
    // included, where it is moved; later it is placed as it shows again.
    const bool created = window_->testAttribute(Qt::WA_WState_Created);
    if (!created) fitToScreen();
    window_->show();
    if (created) {
        fitToScreen();
    } else if (QWindow* shown = window_->windowHandle()) {
        for (auto changed : {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
            QObject::connect(shown, changed, window_.get(), [this] { fitOnceFramed(); });
    }
    window_->raise();
    window_->activateWindow();
}

void QtHelp::close() {
    window_->close();
    giveBackKeys(cameFrom_.data());
}

// The window fits the room its screen leaves below the menu bar while that
// room is at least the height to read in; where the frame lies lower, the
// window takes its usual size as near below the menu bar as the screen lets
// it, over the frame.
void QtHelp::fitToScreen() {
    constexpr int kLeastRoomBelowMenus = 400;
    QWidget& w = *window_;
    const QScreen* screen = w.screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    QRect below = free;
    if (menuBar_ && menuBar_->isVisible())
        below.setTop(std::max(free.top(), menuBar_->mapToGlobal(QPoint(0, menuBar_->height())).y()));
    if (below.height() >= kLeastRoomBelowMenus) {
        placeWithin(w, below);
    } else {
        w.resize(kHelpSize);
        w.move(w.frameGeometry().left(), below.top());
        placeWithin(w, free);
    }
}

// The window manager's frame is known only once it has framed the window:
// the window is fitted again then, so its title bar and edges fit too.
void QtHelp::fitOnceFramed() {
    if (framed_ || window_->frameGeometry() == window_->geometry()) return;
    framed_ = true;
    fitToScreen();
}

}  // namespace jd::qt
