// The Qt services: printing into a PDF, the settings file, message boxes, the
// busy cursor, the save dialog.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLockFile>
#include <QLineEdit>
#include <QScreen>
#include <QMessageBox>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

#include "qt/pdf_pages.h"
#include "qt/qt_app.h"
#include "qt/qt_services.h"
#include "ui/chart/chart_store.h"

namespace jd::qt {
namespace {

using testing::pdfPages;

// Runs `act` on the modal dialog of type D once its event loop runs; the
// act must close it. Without such a dialog the test fails and the modal
// widget is closed, so nothing hangs.
template <typename D>
void whenShown(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            act(*dialog);
            return;
        }
        ADD_FAILURE() << "no such dialog shown";
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
}

TEST(QtPrinter, ASheetStartsOnlyWhenSomethingFollowsAndAFullSheetContinues) {
    testing::app();
    QTemporaryDir dir;
    const QString twoPages = dir.filePath("two.pdf");
    {
        QtPrinter printer(twoPages);
        EXPECT_TRUE(printer.isInstalled());
        printer.setFontSize(11);
        printer.setFontName("Courier New");
        printer.printLine("page one\r\nsecond line");
        printer.newPage();
        printer.printLine("page two");
        printer.newPage();  // nothing follows: no blank sheet
        printer.endDoc();
    }
    EXPECT_EQ(pdfPages(twoPages), 2);

    const QString longText = dir.filePath("long.pdf");
    QtPrinter printer(longText);
    printer.setFontSize(11);
    for (int i = 0; i < 150; ++i) printer.printLine("line " + std::to_string(i));
    printer.endDoc();
    EXPECT_GE(pdfPages(longText), 2);
}

TEST(QtSettingsStore, KeepsTextsAcrossInstancesAndIgnoresLetterCase) {
    testing::app();
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    QtSettingsStore(ini).SaveSetting("Pellmar", "Horo", "LatDeg", "17");
    const QtSettingsStore again(ini);
    EXPECT_EQ(again.GetSetting("pellmar", "HORO", "latdeg", "0"), "17");
    EXPECT_EQ(again.GetSetting("Pellmar", "Horo", "Name", "Sample Chart"), "Sample Chart");
}

// The chart saved last goes into the file whole or not at all: a damaged
// file (random bytes, or a section cut short that start-up has read) is
// replaced by one that holds every key and what Qt could still read of it,
// with nothing a killed write left beside it (the user's own files stay);
// a file that cannot be written (a folder in its place) raises one error
// naming it and keeps what it held.
TEST(QtSettingsStore, WritesTheSavedChartWholeOrNotAtAll) {
    testing::app();
    QByteArray bytes("junk=1\n");
    for (int i = 0; i < 4096; ++i) bytes.append(static_cast<char>((i * 7919 + 13) % 256));
    HoroChart chart;
    chart.Name = "SetProbe";
    chart.Day = "05";
    chart.LatDeg = "34";
    chart.TimeDiffEW = "W";
    struct Damage {
        const char* what;
        QByteArray bytes;
        bool readFirst;
        int keys;  // the chart's and those Qt reads of the damaged file
    };
    for (const Damage& d : {Damage{"random bytes", bytes, false, 19},
                            Damage{"cut section read first", "[pellmar\nhoro\\name=Old\n", true, 18}}) {
        QTemporaryDir dir;
        const QString ini = dir.filePath("settings.ini");
        for (const char* file : {"settings.ini", "settings.ini.AbCdEf", "settings.ini.AbCdEf.lock",
                                 "settings.ini.AbCdEf.GhIjKl", "settings.ini.bak"}) {
            QFile made(dir.filePath(file));
            ASSERT_TRUE(made.open(QIODevice::WriteOnly));
            made.write(d.bytes);
        }
        QtSettingsStore store(ini);
        if (d.readFirst) (void)store.GetSetting("Pellmar", "Horo", "Name");  // as start-up reads it
        writeHoroChart(store, chart);
        const QtSettingsStore again(ini);
        for (const auto& [key, value] : chart.keys())
            EXPECT_EQ(again.GetSetting("Pellmar", "Horo", key, "<missing>"), *value) << d.what << key;
        QSettings written(ini, QSettings::IniFormat);
        EXPECT_EQ(written.allKeys().size(), d.keys) << d.what;
        EXPECT_EQ(written.status(), QSettings::NoError) << d.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList({"settings.ini", "settings.ini.bak"})) << d.what;
    }

    QTemporaryDir dir;
    const QString folder = dir.filePath("folder.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    QtSettingsStore blocked(folder);
    try {
        writeHoroChart(blocked, chart);
        ADD_FAILURE() << "a folder in place of the file was written";
    } catch (const RunTimeError& e) {
        EXPECT_NE(e.description().find(QDir::toNativeSeparators(folder).toStdString()), std::string::npos)
            << e.description();
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(blocked.GetSetting("Pellmar", "Horo", "Name", "<missing>"), "<missing>");
}

// The lock file QSettings takes beside the settings file, made by hand with
// its modification time `age` ago.
void makeLock(const QString& lockPath, const QByteArray& content, std::chrono::milliseconds age) {
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(content);
    lock.flush();  // written now, not as it closes: the time set stays
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addMSecs(-age.count()),
                                 QFileDevice::FileModificationTime));
}

// The first lines of a lock this process of this program took.
QByteArray liveLock() {
    return QByteArray::number(QCoreApplication::applicationPid()) + "\n" +
           QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + "\n" +
           QSysInfo::machineHostName().toUtf8() + "\n";
}

// A writer killed as it took the lock leaves it empty: once it is a second
// old the next write does not wait for Qt's stale age (half a minute).
TEST(QtSettingsStore, AnEmptyLockLeftByAKilledWriterDoesNotHoldTheWrite) {
    testing::app();
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    QtSettingsStore store(ini);
    store.SaveSetting("Pellmar", "Horo", "Name", "Before");
    makeLock(ini + ".lock", {}, std::chrono::seconds(3));
    QElapsedTimer clock;
    clock.start();
    store.SaveSetting("Pellmar", "Horo", "Name", "After");
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(store.GetSetting("Pellmar", "Horo", "Name"), "After");
    EXPECT_FALSE(QFile::exists(ini + ".lock"));
}

// A lock some writer may still hold (an empty one not yet a second old, one
// naming a live process of this program, also in the moment its writer has
// let go of its file lock and not yet removed it, or another machine's) is
// left for Qt to wait on, with the wait shape showing; the write goes
// through once the lock is gone.
TEST(QtSettingsStore, ALockAWriterMayHoldIsWaitedForWithTheWaitShape) {
    testing::app();
    enum class Lock { YoungEmpty, Held, LetGo, OtherMachine };
    struct Case {
        const char* what;
        Lock lock;
    };
    for (const Case c : {Case{"young empty lock", Lock::YoungEmpty}, Case{"lock of a live process", Lock::Held},
                         Case{"live process's lock whose file lock is let go", Lock::LetGo},
                         Case{"another machine's lock", Lock::OtherMachine}}) {
        QTemporaryDir dir;
        const QString ini = dir.filePath("settings.ini");
        const QString lockPath = ini + ".lock";
        QLockFile held(lockPath);
        if (c.lock == Lock::Held) {
            ASSERT_TRUE(held.tryLock(0)) << c.what;
            QFile lock(lockPath);
            ASSERT_TRUE(lock.open(QIODevice::Append)) << c.what;
            lock.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime);
        } else {
            makeLock(lockPath,
                     c.lock == Lock::YoungEmpty ? QByteArray()
                                                : liveLock() + (c.lock == Lock::LetGo ? QSysInfo::machineUniqueId()
                                                                                : "another machine") + "\n",
                     std::chrono::milliseconds(0));
        }
        const QByteArray content = [&] {
            QFile lock(lockPath);
            return lock.open(QIODevice::ReadOnly) ? lock.readAll() : QByteArray("<unreadable>");
        }();
        // While the store waits, the lock is looked at and then released.
        bool lockKept = false;
        Qt::CursorShape shape = Qt::ArrowCursor;
        std::thread releaser([&] {
            // The write has begun once the shape shows (or never will).
            for (int i = 0; i < 50 && !QGuiApplication::overrideCursor(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            QFile lock(lockPath);
            lockKept = lock.open(QIODevice::ReadOnly) && lock.readAll() == content;
            if (const QCursor* cursor = QGuiApplication::overrideCursor()) shape = cursor->shape();
            if (c.lock == Lock::Held)
                held.unlock();
            else
                QFile::remove(lockPath);
        });
        QtSettingsStore(ini).SaveSetting("Pellmar", "Horo", "Name", "Written");
        releaser.join();
        EXPECT_TRUE(lockKept) << c.what;
        EXPECT_EQ(shape, Qt::WaitCursor) << c.what;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << c.what;
        EXPECT_EQ(QtSettingsStore(ini).GetSetting("Pellmar", "Horo", "Name"), "Written") << c.what;
    }
}

// In a folder the user may not write, Qt could never clear a lock left by a
// process that has ended, and would retry for ever: the write fails at once
// with the settings file's error, the file itself as it was.
TEST(QtSettingsStore, AFolderThatMayNotBeWrittenFailsAtOnce) {
    testing::app();
    QTemporaryDir dir;
    const QString folder = dir.filePath("settings");
    ASSERT_TRUE(QDir(dir.path()).mkdir("settings"));
    const QString ini = folder + "/settings.ini";
    QtSettingsStore store(ini);
    store.SaveSetting("Pellmar", "Horo", "Name", "Before");
    makeLock(ini + ".lock", "2147483000\njatakadesk\n" + QSysInfo::machineHostName().toUtf8() + "\n",
             std::chrono::seconds(60));
    const QFile::Permissions open = QFile::permissions(folder);
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const struct Restore {
        QString folder;
        QFile::Permissions permissions;
        ~Restore() { QFile::setPermissions(folder, permissions); }
    } restore{folder, open};
    if (QFileInfo(folder).isWritable()) GTEST_SKIP() << "this user may write any folder";

    try {
        store.SaveSetting("Pellmar", "Horo", "Name", "After");
        ADD_FAILURE() << "written";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.description(), settingsFileError(QDir::toNativeSeparators(ini).toStdString()).description());
    }
    EXPECT_EQ(store.GetSetting("Pellmar", "Horo", "Name"), "Before");
}

// Writes on this thread while another keeps the time. `meanwhile` runs there
// first, given a wait for the write's end (true once it has ended). A write
// still going `bound` on would go on for ever: it counts as late, and the
// lock (file or folder) is taken away, as root if it may, so that it ends. Returns whether
// it ended in time, and the error it raised.
std::pair<bool, std::optional<std::string>> boundedSave(
    QtSettingsStore& store, const QString& lockPath,
    const std::function<void(const std::function<bool(std::chrono::milliseconds)>&)>& meanwhile,
    std::chrono::seconds bound = std::chrono::seconds(5)) {
    std::mutex mutex;
    std::condition_variable changed;
    bool ended = false, late = false;
    const auto endedWithin = [&](std::chrono::milliseconds bound) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, bound, [&] { return ended; });
    };
    std::thread keeper([&] {
        if (meanwhile) meanwhile(endedWithin);
        if (endedWithin(bound)) return;
        late = true;
        (void)!::setresuid(0, 0, 0);
        QFile::setPermissions(lockPath, QFile::ReadOwner | QFile::WriteOwner);
        if (!QFile::remove(lockPath)) QDir().rmdir(lockPath);
    });
    std::optional<std::string> error;
    try {
        store.SaveSetting("Pellmar", "Horo", "Name", "After");
    } catch (const RunTimeError& e) {
        error = e.description();
    }
    {
        const std::lock_guard lock(mutex);
        ended = true;
    }
    changed.notify_all();
    keeper.join();
    return {!late, error};
}

// While it lasts, a test run as root runs as nobody, for whom files' rights hold.
struct AsNobody {
    AsNobody() { (void)!(::setresgid(65534, 65534, 0) == 0 && ::setresuid(65534, 65534, 0) == 0); }
    ~AsNobody() { (void)!(::setresuid(0, 0, 0) == 0 && ::setresgid(0, 0, 0) == 0); }
};

// A lock Qt could not remove itself (a file the user may not open for
// writing, as a run as root killed mid-write leaves it, or a folder) never
// holds the write for ever. One naming no running process of this computer,
// or past Qt's stale age, goes, also once its process ends during the write,
// and so does an unreadable one whose file lock no one holds. A held lock
// stays, readable or not (the write fails once its longest wait is over); a
// folder, a link or a guard in the way, or a lock that cannot go, fails the
// write at once, named, and the settings stay as they were.
TEST(QtSettingsStore, ALockQtCouldNotRemoveNeverHoldsTheWriteForEver) {
    testing::app();
    enum class Lock { Folder, EndedProcess, Unreadable, ProcessEndingMeanwhile, OtherProgram, PastStaleAge, Held,
                      ReadOnlyHeld, UnreadableHeld, RemovalStuck, LinkToNothing, OthersInStickyFolder };
    struct Case {
        const char* what;
        Lock lock;
        const char* reason = nullptr;  // why the write fails, %1 the lock's path
    };
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray ended = "2147483000\njatakadesk\n" + host + "\n";
    const char* const kHeld = "another program is writing it (its lock %1 is held)";
    for (const Case c : {Case{"folder in the lock's place", Lock::Folder, "its lock %1 is a folder"},
                         Case{"read-only lock of an ended process", Lock::EndedProcess},
                         Case{"unreadable lock", Lock::Unreadable},
                         Case{"read-only lock whose process ends meanwhile", Lock::ProcessEndingMeanwhile},
                         Case{"read-only lock whose number runs another program", Lock::OtherProgram},
                         Case{"another user's lock naming a live process past Qt's stale age", Lock::PastStaleAge},
                         Case{"lock held past the longest wait", Lock::Held, kHeld},
                         Case{"read-only lock held past the longest wait", Lock::ReadOnlyHeld, kHeld},
                         Case{"unreadable lock held past the longest wait", Lock::UnreadableHeld, kHeld},
                         Case{"stale lock whose removal does not end", Lock::RemovalStuck,
                              "the guard %1.rmlock of its lock stays taken"},
                         Case{"link to nothing in the lock's place", Lock::LinkToNothing,
                              "its lock %1 is a link to nothing"},
                         Case{"another user's stale lock in a sticky folder", Lock::OthersInStickyFolder,
                              "its lock %1 cannot be removed"}}) {
        // In the system's shared temporary folder, which nobody may enter whatever TMPDIR is.
        QTemporaryDir dir(QStringLiteral("/tmp/settings-XXXXXX"));
        ::chmod(QFile::encodeName(dir.path()), c.lock == Lock::OthersInStickyFolder ? 01777 : 0777);
        std::optional<AsNobody> user(std::in_place);
        const QString ini = dir.filePath("settings.ini");
        const QString lockPath = ini + ".lock";
        const bool held = c.reason == kHeld;
        QtSettingsStore store(ini, std::chrono::seconds(2));
        store.SaveSetting("Pellmar", "Horo", "Name", "Before");
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QLockFile holder(lockPath + (c.lock == Lock::RemovalStuck ? ".rmlock" : ""));
        if (c.lock == Lock::Folder || c.lock == Lock::LinkToNothing || c.lock == Lock::Held) {
            ASSERT_TRUE(c.lock == Lock::Folder ? QDir().mkdir(lockPath)
                        : c.lock == Lock::Held ? holder.tryLock(0) : QFile::link(dir.path() + "/no", lockPath));
        } else {
            if (c.lock == Lock::OthersInStickyFolder || c.lock == Lock::PastStaleAge) user.reset();  // root's lock
            // This process is the one still running, until the lock names an
            // ended one instead.
            makeLock(lockPath,
                     c.lock == Lock::ProcessEndingMeanwhile ? liveLock()
                         : c.lock == Lock::OtherProgram ? QByteArray::number(::getpid()) + ended.mid(10)
                         : c.lock == Lock::PastStaleAge ? "1" + ended.mid(10)
                                                        : ended,
                     c.lock == Lock::Unreadable     ? std::chrono::seconds(3)
                     : c.lock == Lock::PastStaleAge ? std::chrono::seconds(60)
                                                    : std::chrono::milliseconds(0));
            ASSERT_TRUE(!(held || c.lock == Lock::RemovalStuck) || holder.tryLock(0));
            const bool unreadable = c.lock == Lock::Unreadable || c.lock == Lock::UnreadableHeld;
            ASSERT_TRUE(QFile::setPermissions(lockPath, unreadable ? QFile::Permissions() : readOnly));
            if (!user) user.emplace();
            if (QFileInfo(lockPath).isWritable() ||
                (c.lock == Lock::OthersInStickyFolder && QFileInfo(lockPath).ownerId() == ::geteuid())) {
                std::cout << c.what << ": skipped, as this user may write any file, or make none of another user\n";
                continue;
            }
        }
        bool waited = true;
        QElapsedTimer clock;
        clock.start();
        const auto [inTime, error] = boundedSave(store, lockPath, [&](const auto& endedWithin) {
            if (c.lock != Lock::ProcessEndingMeanwhile) return;
            waited = !endedWithin(std::chrono::milliseconds(300));
            QFile::setPermissions(lockPath, QFile::ReadOwner | QFile::WriteOwner);
            QFile lock(lockPath);
            if (lock.open(QIODevice::WriteOnly)) lock.write(ended);
            lock.close();
            QFile::setPermissions(lockPath, readOnly);
        });
        EXPECT_TRUE(inTime) << c.what << ": the write waited for ever";
        EXPECT_TRUE(waited) << c.what << ": the write went on while the lock's process ran";
        if (c.reason) {
            EXPECT_TRUE(held ? clock.elapsed() >= 2000 : clock.elapsed() < 1000) << c.what << ": gave up when";
            const QString reason = QString(c.reason).arg(QDir::toNativeSeparators(lockPath));
            EXPECT_EQ(error, settingsFileError(QDir::toNativeSeparators(ini).toStdString(), reason.toStdString())
                                 .description()) << c.what;
            EXPECT_TRUE(QFileInfo(lockPath).exists() || QFileInfo(lockPath).isSymLink()) << c.what;
            EXPECT_EQ(store.GetSetting("Pellmar", "Horo", "Name"), "Before") << c.what;
        } else {
            EXPECT_EQ(error, std::nullopt) << c.what;
            EXPECT_FALSE(QFile::exists(lockPath)) << c.what;
            EXPECT_EQ(store.GetSetting("Pellmar", "Horo", "Name"), "After") << c.what;
        }
    }
}

TEST(QtMessageBox, IsWideEnoughForItsWholeCaptionAndTheTitleBarButtons) {
    testing::app();
    const QString title = QStringLiteral("Enter Birth Details");
    int width = 0;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        width = box.width();
        box.done(QMessageBox::Ok);
    });
    QtMessageBox boxes;
    EXPECT_EQ(boxes.show("Enter Name", MsgIcon::Information, MsgButtons::OK, title.toStdString()), MsgResult::OK);
    EXPECT_GE(width, QFontMetrics(QApplication::font()).horizontalAdvance(title) + 150);
}

// The box's owner is the window the program says the user works in, also
// while the window system still has another one active (a window just shown
// is not active yet).
TEST(QtMessageBox, BelongsToTheWindowTheUserWorksInAndGivesItBackTheKeys) {
    testing::app();
    QWidget frame, entry;
    new QLineEdit(&entry);
    auto* name = new QLineEdit(&entry);  // where the user works, not the first box
    frame.show();
    entry.show();
    QApplication::setActiveWindow(&entry);
    name->setFocus();
    QApplication::setActiveWindow(&frame);
    QWidget* owner = nullptr;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        owner = box.parentWidget();
        box.done(QMessageBox::Ok);
    });
    QtMessageBox boxes([&entry] { return &entry; });
    boxes.show("Enter Name", MsgIcon::Information, MsgButtons::OK, std::nullopt);
    QApplication::processEvents();
    EXPECT_EQ(owner, &entry);
    EXPECT_EQ(QApplication::activeWindow(), &entry);
    EXPECT_EQ(QApplication::focusWidget(), name);
}

// A window that goes while its box is open (its box goes with it) leaves
// the keys to the window the user works in once the box has closed.
TEST(QtMessageBox, WhoseWindowWentGivesTheKeysToTheWindowTheUserWorksInThen) {
    testing::app();
    QWidget frame;
    auto* entry = new QWidget;
    frame.show();
    entry->show();
    QApplication::setActiveWindow(entry);
    QWidget* working = entry;
    whenShown<QMessageBox>([&](QMessageBox&) {
        working = &frame;
        delete entry;
    });
    QtMessageBox boxes([&working] { return working; });
    boxes.show("Enter Name", MsgIcon::Information, MsgButtons::OK, std::nullopt);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &frame);
}

TEST(QtHelp, TheHelpWindowFitsTheScreenItOpensOn) {
    testing::app();
    QtHelp help;
    help.showTopic("no such help.html", 1000);
    const QRect screen = help.window()->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(help.window()->frameGeometry()));
    help.window()->setGeometry(screen.adjusted(-40, -40, 300, 300));  // dragged and stretched past the edges
    help.showTopic("no such help.html", 1000);
    EXPECT_TRUE(screen.contains(help.window()->frameGeometry()));
    // One that cannot be made that small keeps its top left corner in sight.
    help.window()->setMinimumSize(screen.size() + QSize(200, 200));
    help.window()->move(screen.center());
    help.showTopic("no such help.html", 1000);
    EXPECT_EQ(help.window()->frameGeometry().topLeft(), screen.topLeft());
}

TEST(QtBusyCursor, ShowsTheWaitShapeUntilRestored) {
    testing::app();
    QtBusyCursor busy;
    // It shows inside a statement's wait for the database file: nothing of
    // the program's own (a queued call, a timer) may run there.
    int ran = 0;
    QMetaObject::invokeMethod(qApp, [&] { ++ran; }, Qt::QueuedConnection);
    QTimer::singleShot(0, [&] { ++ran; });
    busy.show();
    EXPECT_EQ(ran, 0);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    busy.restore();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_EQ(ran, 2);
}

TEST(QtSaveFileDialog, OpensInTheFolderLastSavedTo) {
    testing::app();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("reports"));
    const QString folder = QDir(dir.path()).absoluteFilePath("reports");
    const QString report = folder + QStringLiteral("/chart.txt");
    QtSaveFileDialog dialogs;
    const SaveDialogOptions text{"Text Files | *.Txt", "", "", false, ""};

    whenShown<QFileDialog>([&](QFileDialog& d) {
        d.selectFile(report);
        QMetaObject::invokeMethod(&d, "accept");
    });
    EXPECT_EQ(dialogs.showSave(text), QDir::toNativeSeparators(report).toStdString());

    // Browsing elsewhere and cancelling saves nothing: the folder stays.
    QString openedIn;
    for (int i = 0; i < 2; ++i) {
        whenShown<QFileDialog>([&](QFileDialog& d) {
            openedIn = d.directory().absolutePath();
            d.setDirectory(dir.path());
            QMetaObject::invokeMethod(&d, "reject");
        });
        EXPECT_EQ(dialogs.showSave(text), std::nullopt);
        EXPECT_EQ(openedIn.toStdString(), folder.toStdString()) << i;
    }
}

TEST(QtSaveFileDialog, FiltersBecomeQtFilters) {
    EXPECT_EQ(QtSaveFileDialog::qtFilter("Text Files | *.Txt"), "Text Files (*.Txt)");
    EXPECT_EQ(QtSaveFileDialog::qtFilter("HTML Files | *.HTML"), "HTML Files (*.HTML)");
    EXPECT_EQ(QtSaveFileDialog::qtFilter("Texts|*.txt;*.text|All|*.*"), "Texts (*.txt *.text);;All (*.*)");
}

}  // namespace
}  // namespace jd::qt
