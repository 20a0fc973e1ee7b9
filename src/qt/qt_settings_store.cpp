#include "qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <limits>

#include <signal.h>

#include "platform/run_time_error.h"
#include "qt/qt_controls.h"
#include "qt/qt_services.h"

namespace jd::qt {

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

}  // namespace jd::qt
