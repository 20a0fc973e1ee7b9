#include "qt/qt_separate_windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "qt/qt_controls.h"
#include "qt/window_manager.h"

namespace jd::qt {

namespace {

// The window's own widget: however it closes (Esc, its Close button, its
// window manager's close button), it is told once the window has gone.
class Shell : public QWidget {
public:
    explicit Shell(std::function<void()> closed) : closed_(std::move(closed)) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        QWidget::closeEvent(e);
        hide();
        closed_();
    }

private:
    std::function<void()> closed_;
};

}  // namespace

SeparateWindow::SeparateWindow(QString title, QSize usualSize, WhileOpen whileOpen)
    : title_(std::move(title)), usualSize_(usualSize), whileOpen_(whileOpen) {}

SeparateWindow::~SeparateWindow() = default;

QTextBrowser& SeparateWindow::page() {
    if (!window_) {
        window_ = std::make_unique<Shell>([this] { keysBack(); });
        window_->setWindowTitle(title_);
        auto* layout = new QVBoxLayout(window_.get());  // owned by the window, as are its widgets
        page_ = new QTextBrowser;
        layout->addWidget(page_);
        auto* closeButton = new QPushButton(QStringLiteral("Close"));
        layout->addWidget(closeButton, 0, Qt::AlignRight);
        window_->resize(usualSize_);
        // Esc and the button close the window, with or without a window
        // manager; as it closes, the keys go back.
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
        QObject::connect(esc, &QShortcut::activated, window_.get(), &QWidget::close);
        QObject::connect(closeButton, &QPushButton::clicked, window_.get(), &QWidget::close);
    }
    return *page_;
}

void SeparateWindow::open() {
    page();  // the window is made as first asked for
    QWidget& w = *window_;
    if (QWidget* active = QApplication::activeWindow(); active && active != &w && active->windowType() != Qt::Popup)
        cameFrom_ = active;
    if (!w.isVisible()) {
        // Closing the window takes its native window away, so it is placed
        // before each showing: it then has its frame, title bar included,
        // where it is moved. The widget keeps its QWindow from the first
        // showing on, which tells of the window manager's frame.
        const bool first = !w.windowHandle();
        place(true);
        w.show();
        if (QWindow* shown = w.windowHandle(); first && shown) {
            for (auto changed :
                 {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
                QObject::connect(shown, changed, &w, [this] { placeOnceFramed(); });
        }
    } else if (whileOpen_ == WhileOpen::IsFitted) {
        place(false);
    }
    w.raise();
    w.activateWindow();
}

// The window has closed: the keys go back to the window the user came from
// or, where that has gone or is hidden, to the window the user works in, as a
// message box's do.
void SeparateWindow::keysBack() {
    QWidget* back = cameFrom_ && cameFrom_->isVisible() ? cameFrom_.data() : nullptr;
    if (!back && workingWindow_) back = workingWindow_();
    giveBackKeys(back);
}

// The window, from its usual size just below the menu bar or from where it
// lies, fits the room its screen leaves below the menu bar while that room is
// at least the height to read in; where the frame lies lower, it takes its
// usual size as near below the menu bar as the screen lets it, over the
// frame.
void SeparateWindow::place(bool fromUsualPlace) {
    constexpr int kLeastRoomBelowMenus = 400;
    QWidget& w = *window_;
    const bool belowMenus = menuBar_ && menuBar_->isVisible();
    const QScreen* screen = belowMenus ? menuBar_->screen() : w.screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    QRect below = free;
    int left = free.left();
    if (belowMenus) {
        const QPoint barEnd = menuBar_->mapToGlobal(QPoint(0, menuBar_->height()));
        below.setTop(std::max(free.top(), barEnd.y()));
        left = std::max(free.left(), barEnd.x());
    }
    const bool roomBelow = below.height() >= kLeastRoomBelowMenus;
    if (fromUsualPlace || !roomBelow) {
        w.resize(usualSize_);
        w.move(fromUsualPlace ? left : w.frameGeometry().left(), below.top());
    }
    placeWithin(w, roomBelow ? below : free);
}

// The window manager's frame is known only once it has framed the window:
// the window is placed again then, so its title bar and edges fit too.
void SeparateWindow::placeOnceFramed() {
    if (framed_ || window_->frameGeometry() == window_->geometry()) return;
    framed_ = true;
    place(true);
}

namespace {
constexpr QSize kBrowserSize(800, 600);  // a browser window's usual size
constexpr QSize kHelpSize(700, 600);     // the help window's usual size
}  // namespace

QtBrowserWindows::~QtBrowserWindows() = default;

void QtBrowserWindows::navigate(const std::string& url, const std::string& windowName) {
    auto& w = windows_[windowName];
    if (!w) {
        w = std::make_unique<SeparateWindow>(toQt(windowName), kBrowserSize, SeparateWindow::WhileOpen::Stays);
        w->setMenuBar(menuBar_);
        w->setWorkingWindow(workingWindow_);
        w->page().setOpenLinks(false);
    }
    QtBrowserPane::showAddress(&w->page(), url);
    w->open();
}

void QtBrowserWindows::setMenuBar(QWidget* bar) {
    menuBar_ = bar;
    for (auto& [name, w] : windows_) w->setMenuBar(bar);
}

void QtBrowserWindows::setWorkingWindow(std::function<QWidget*()> where) {
    workingWindow_ = std::move(where);
    for (auto& [name, w] : windows_) w->setWorkingWindow(workingWindow_);
}

QWidget* QtBrowserWindows::window(const std::string& windowName) const {
    const auto it = windows_.find(windowName);
    return it == windows_.end() ? nullptr : it->second->window();
}

QtHelp::QtHelp() : window_(QStringLiteral("Help"), kHelpSize, SeparateWindow::WhileOpen::IsFitted) {}

QtHelp::~QtHelp() = default;

void QtHelp::showTopic(const std::string& helpFile, int topic) {
    QTextBrowser& text = window_.page();
    const QFileInfo file(toQt(helpFile));
    if (file.isFile()) {
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        url.setFragment(QString::number(topic));
        text.setSource(url);
    } else {
        text.setPlainText(QStringLiteral("The help file cannot be found: ") + toQt(helpFile));
    }
    window_.open();
}

}  // namespace jd::qt
