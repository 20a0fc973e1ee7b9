#include "qt/qt_services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTextBrowser>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cerrno>
#include <limits>

#include <signal.h>

#include "platform/run_time_error.h"
#include "qt/qt_controls.h"
#include "qt/twips.h"
#include "qt/window_manager.h"

namespace jd::qt {

namespace {

// Makes a window that is still shown the active one again, with the keys
// where its handlers put the focus (or where they were). The program does it
// itself: no window manager may be there to do it.
void giveBackKeys(QWidget* window) {
    if (!window || !window->isVisible()) return;
    window->raise();
    window->activateWindow();
}

// Room beside a caption for the window manager's title-bar buttons.
constexpr int kTitleButtonsWidth = 150;

// Makes a box at least as wide as its caption in the application's font and
// the title-bar buttons beside it, so the caption shows whole. QMessageBox
// sizes itself from its layout and ignores a minimum width, so the room is a
// spacer in a row of its own across the layout's columns.
void widenForCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + kTitleButtonsWidth;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}
}  // namespace

// ------------------------------------------------------------------ message box

MsgResult QtMessageBox::show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                             const std::optional<std::string>& title) {
    const QPointer<QWidget> owner = owner_ ? owner_() : nullptr;
    // On the heap and watched: the box goes with its window should that ever
    // go while the box is open.
    const QPointer<QMessageBox> guard = new QMessageBox(owner.data());
    QMessageBox& box = *guard;
    box.setTextFormat(Qt::PlainText);
    box.setText(toQt(text));
    box.setWindowTitle(toQt(messageCaption(title)));
    switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
        case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    widenForCaption(box);
    // A box its window's handler shows after naming the box that has the
    // keys hands that box over as the window asked once it is answered.
    HeldFocusRequest::keepForTheKeysReturn();
    const int answer = box.exec();
    delete guard.data();
    // The window the box belonged to, or, should that have gone meanwhile,
    // the one the user works in now.
    giveBackKeys(owner && owner->isVisible() ? owner.data() : owner_ ? owner_() : nullptr);
    switch (answer) {
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Cancel: return MsgResult::Cancel;
        default: break;
    }
    // Anything else (a box closed without a button) answers its escape button.
    if (buttons == MsgButtons::YesNo) return MsgResult::No;
    if (buttons == MsgButtons::OKCancel) return MsgResult::Cancel;
    return MsgResult::OK;
}

// ------------------------------------------------------------- clock and loop

DateTime QtClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime h = t.time();
    return DateTime::of(d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second());
}

void QtEventLoop::doEvents() { QCoreApplication::processEvents(); }

int QtScreen::width() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return static_cast<int>(pixelsToTwips(s ? s->size().width() : 1024));
}

int QtScreen::height() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return static_cast<int>(pixelsToTwips(s ? s->size().height() : 768));
}

// ---------------------------------------------------------------- busy cursor

void QtBusyCursor::show() {
    // The window system takes the new shape as it is set. The caller holds
    // the event loop (a statement waiting for the database file): the
    // windows draw their pending repaints now, but no other event, timer or
    // queued call runs here, so nothing the program does can reach the
    // database from inside the wait, and the user's clicks and keys stay
    // queued until it ends.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void QtBusyCursor::restore() { QGuiApplication::restoreOverrideCursor(); }

// ------------------------------------------------------------------- settings

QtSettingsStore::QtSettingsStore()
    : path_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Jataka Desk/settings.ini")) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath) : path_(iniPath) {}

namespace {
QString settingsKey(const std::string& app, const std::string& section, const std::string& key) {
    return (toQt(app) + QLatin1Char('/') + toQt(section) + QLatin1Char('/') + toQt(key)).toLower();
}

// QSettings::sync() takes the lock file beside the settings file and waits
// as long as it is there. Qt removes a stale one itself, but retries for ever
// when it may not open it for writing (as a run as root killed mid-write
// leaves it) or when it is a folder: the write makes way for Qt's lock first.

// A writer writes its process number into the lock file within microseconds
// of creating it; one still naming no process after a second was left by a
// writer killed in between. Qt cannot tell whose it is and would wait for its
// stale age.
constexpr qint64 kAbandonedLockAge = 1000;  // ms
// The age past which QLockFile takes any lock for stale, as QSettings uses it.
constexpr qint64 kQtStaleLockAge = 30000;  // ms
// How long a second program removing a stale lock may take.
constexpr int kRemovalGuardWait = 200;  // ms

// Whether process `pid` of this computer runs, and still runs the program
// that took the lock (the number may since have gone to another one). A
// process of another user whose program may not be looked at counts as the
// lock's.
bool lockHolderRuns(qint64 pid, const QString& program) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    if (::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH) return false;
    QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (running.isEmpty()) return true;
    if (running.endsWith(QLatin1String(" (deleted)"))) running.chop(10);  // a program replaced as it ran
    return QFileInfo(running).fileName() == QFileInfo(program).fileName();
}

enum class SettingsLock {
    None,
    Held,     // a writer may hold it
    Stale,    // no writer holds it
    NotAFile  // a folder, or a link to nothing: nothing the program removes
};

// The settings file's lock as QLockFile judges it: stale when it names a
// process of this computer that has ended, or once it is older than Qt's
// stale age. One naming no process (empty, unreadable, or not a lock's
// content) is stale a second after it was made.
SettingsLock settingsLock(const QString& lockPath) {
    const QFileInfo lock(lockPath);
    if (!lock.exists() && !lock.isSymLink()) return SettingsLock::None;
    if (!lock.isFile()) return SettingsLock::NotAFile;
    const qint64 age = qAbs(lock.lastModified().msecsTo(QDateTime::currentDateTimeUtc()));
    if (age > kQtStaleLockAge) return SettingsLock::Stale;
    qint64 pid = 0;
    QString host, program;
    if (!QLockFile(lockPath).getLockInfo(&pid, &host, &program))
        return age > kAbandonedLockAge ? SettingsLock::Stale : SettingsLock::Held;
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) return SettingsLock::Held;
    return lockHolderRuns(pid, program) ? SettingsLock::Held : SettingsLock::Stale;
}

// Leaves the settings file's lock gone, or held by a writer and Qt's to wait
// on. A stale lock is removed under Qt's own guard against two programs
// removing it at once, and judged again under it; removal needs only the
// folder's rights. A held lock Qt could not remove once stale is waited on
// here until its writer removes it or it turns stale. False for a lock that
// cannot go: a folder, or a stale lock that could not be removed.
bool makeWayForTheLock(const QString& iniPath) {
    const QString lockPath = iniPath + QStringLiteral(".lock");
    for (unsigned long pause = 10;; pause = std::min(2 * pause, 500UL)) {
        switch (settingsLock(lockPath)) {
            case SettingsLock::None: return true;
            case SettingsLock::NotAFile: return false;
            case SettingsLock::Held:
                if (QFileInfo(lockPath).isWritable()) return true;
                QThread::msleep(pause);
                break;
            case SettingsLock::Stale: {
                QLockFile removing(lockPath + QStringLiteral(".rmlock"));
                if (removing.tryLock(kRemovalGuardWait) && settingsLock(lockPath) == SettingsLock::Stale)
                    QFile::remove(lockPath);
                // Gone now, or a new writer's; one still stale stays for good.
                if (settingsLock(lockPath) == SettingsLock::Stale) return false;
                break;
            }
        }
    }
}

// The wait shape while the settings file is written.
class BusyWhileWriting {
public:
    BusyWhileWriting() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (shown_) cursor_.show();
    }
    ~BusyWhileWriting() {
        if (shown_) cursor_.restore();
    }
    BusyWhileWriting(const BusyWhileWriting&) = delete;
    BusyWhileWriting& operator=(const BusyWhileWriting&) = delete;

private:
    QtBusyCursor cursor_;
    bool shown_;
};
}  // namespace

std::string QtSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) const {
    const QSettings s(path_, QSettings::IniFormat);
    const QString k = settingsKey(appName, section, key);
    return s.contains(k) ? s.value(k).toString().toStdString() : defaultValue;
}

void QtSettingsStore::SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                                  const std::string& value) {
    SaveSection(appName, section, {{key, value}});
}

void QtSettingsStore::SaveSection(const std::string& appName, const std::string& section,
                                  const std::vector<std::pair<std::string, std::string>>& values) {
    const auto failed = [this] { return settingsFileError(QDir::toNativeSeparators(path_).toStdString()); };
    const BusyWhileWriting busy;

    // Qt writes a new file and a lock file beside the old one. In a folder
    // that may not be written it could never remove a stale lock, and would
    // retry for ever: the write fails at once. A folder not made yet is made
    // by Qt as it writes.
    const QFileInfo folder(QFileInfo(path_).absolutePath());
    if (folder.exists() && !folder.isWritable()) throw failed();

    // A damaged file holds nothing worth keeping (the program stores only the
    // chart saved last there), and its format error would stay with every
    // QSettings that reads it, hiding how the write went: it goes first.
    {
        const QSettings old(path_, QSettings::IniFormat);
        old.allKeys();  // reads the file; its status follows
        if (old.status() == QSettings::FormatError && !QFile::remove(path_)) throw failed();
    }
    if (!makeWayForTheLock(path_)) throw failed();
    // One sync writes every key in one step: a new file beside the old one,
    // renamed over it. A file that may not be read or written, or a folder
    // that may not be written, is left as it is and the status tells.
    QSettings settings(path_, QSettings::IniFormat);
    for (const auto& [key, value] : values) settings.setValue(settingsKey(appName, section, key), toQt(value));
    settings.sync();
    if (settings.status() != QSettings::NoError) throw failed();
}

// ---------------------------------------------------------------- save dialog

QString QtSaveFileDialog::qtFilter(const std::string& filter) {
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        if (i + 1 >= parts.size()) {
            out << description;
            break;
        }
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<std::string> QtSaveFileDialog::showSave(const SaveDialogOptions& options) {
    const QPointer<QWidget> owner = owner_ ? owner_() : nullptr;
    QString path;
    {
        QFileDialog dialog(owner.data(), toQt(options.title), lastFolder_, qtFilter(options.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!options.defaultExtension.empty()) dialog.setDefaultSuffix(toQt(options.defaultExtension));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
        if (!options.fileName.empty()) dialog.selectFile(toQt(options.fileName));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    giveBackKeys(owner.data());  // saved or cancelled
    if (path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return QDir::toNativeSeparators(path).toStdString();
}

// -------------------------------------------------------------- browser, help

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
