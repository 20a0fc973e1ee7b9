#include "qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <limits>

#include <signal.h>
#include <sys/file.h>

#include "platform/run_time_error.h"
#include "qt/qt_controls.h"
#include "qt/qt_busy_cursor.h"

namespace jd::qt {

QtSettingsStore::QtSettingsStore()
    : path_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Jataka Desk/settings.ini")) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath, std::chrono::milliseconds longestWait)
    : path_(iniPath), longestWait_(longestWait) {}

namespace {
QString settingsKey(const std::string& app, const std::string& section, const std::string& key) {
    return (toQt(app) + QLatin1Char('/') + toQt(section) + QLatin1Char('/') + toQt(key)).toLower();
}

// QSettings::sync() takes the lock file beside the settings file and waits
// as long as a writer holds it, and for ever on a stale one it may not open
// for writing (as a run as root killed mid-write leaves it) or a folder. So
// the store takes that lock itself, as QLockFile takes it, with a bounded
// wait, and lets QSettings write a copy of the file no one else knows.

// A writer writes its process number into the lock file within microseconds
// of creating it; one still naming no process after a second was left by a
// writer killed in between. Qt cannot tell whose it is and would wait for its
// stale age.
constexpr qint64 kAbandonedLockAge = 1000;  // ms
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

// Whether a lock's content comes from another computer: another host name,
// or this one's on a machine of another id (Qt's fourth line).
bool fromAnotherComputer(const QString& host, const QByteArray& content) {
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) return true;
    const QList<QByteArray> lines = content.split('\n');
    return lines.size() > 3 && !lines[3].isEmpty() && lines[3] != QSysInfo::machineUniqueId();
}

enum class SettingsLock {
    None,
    Held,     // a writer may hold it
    Stale,    // no writer holds it
    NotAFile  // a folder, or a link to nothing: nothing the program removes
};

// The settings file's lock as QLockFile judges it, whatever its age. A
// writer holds it with a file lock while it writes: a lock that can be
// file-locked has no live holder. One the user may not open for writing (so
// not file-lock as Qt does) is judged by the process it names: stale when
// that ended on this computer. One naming no process yet (empty, unreadable)
// is stale a second after it was made; until then it is left alone, as its
// writer may be about to take its file lock.
SettingsLock settingsLock(const QString& lockPath) {
    const QFileInfo lock(lockPath);
    if (!lock.exists() && !lock.isSymLink()) return SettingsLock::None;
    if (!lock.isFile()) return SettingsLock::NotAFile;
    const bool young = qAbs(lock.lastModified().msecsTo(QDateTime::currentDateTimeUtc())) <= kAbandonedLockAge;
    QFile file(lockPath);
    if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        if (young && file.size() == 0) return SettingsLock::Held;
        const bool free = ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0;  // let go as the file closes
        return free ? SettingsLock::Stale : SettingsLock::Held;
    }
    qint64 pid = 0;
    QString host, program;
    if (!QLockFile(lockPath).getLockInfo(&pid, &host, &program))
        return young ? SettingsLock::Held : SettingsLock::Stale;
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (fromAnotherComputer(host, content)) return SettingsLock::Held;
    return lockHolderRuns(pid, program) ? SettingsLock::Held : SettingsLock::Stale;
}

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

// Takes the settings file's lock into `own` for one write. A stale lock is
// removed first under Qt's own guard against two programs removing it at
// once, and judged again under it; removal needs only the folder's rights. A
// lock a writer holds is never removed: it is waited on until `deadline`.
// Raises the error that stops the write, naming the file in the way: the
// settings file for a lock held past the deadline or a folder in its place,
// the lock for a link to nothing or a stale lock that cannot be removed,
// the guard when another program's removal does not end.
void takeTheLock(QLockFile& own, const QString& iniPath, const QDeadlineTimer& deadline) {
    const QString lockPath = iniPath + QStringLiteral(".lock");
    const auto failed = [](const QString& file, const std::string& reason = {}) {
        return settingsFileError(nativePath(file).toStdString(), reason);
    };
    for (qint64 pause = 10;; pause = std::min<qint64>(2 * pause, 500)) {
        switch (settingsLock(lockPath)) {
            case SettingsLock::None:
                if (own.tryLock(0)) return;
                if (own.error() != QLockFile::LockFailedError) throw failed(iniPath);
                break;  // another writer took it first
            case SettingsLock::NotAFile: throw failed(QFileInfo(lockPath).isDir() ? iniPath : lockPath);
            case SettingsLock::Held:
                if (deadline.hasExpired()) throw failed(iniPath, "another program is writing it");
                QThread::msleep(static_cast<unsigned long>(std::min(pause, deadline.remainingTime())));
                break;
            case SettingsLock::Stale: {
                QLockFile removing(lockPath + QStringLiteral(".rmlock"));
                if (removing.tryLock(kRemovalGuardWait) && settingsLock(lockPath) == SettingsLock::Stale)
                    QFile::remove(lockPath);
                // Gone now, or a new writer's; one still stale stays for good.
                if (settingsLock(lockPath) == SettingsLock::Stale)
                    throw failed(removing.isLocked() ? lockPath : lockPath + QStringLiteral(".rmlock"));
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
    const QDeadlineTimer deadline(longestWait_);
    const auto failed = [this] { return settingsFileError(nativePath(path_).toStdString()); };
    const BusyWhileWriting busy;

    // The lock and the new file go beside the old one. In a folder that may
    // not be written a stale lock could never be removed: the write fails at
    // once. A folder not made yet is made now.
    const QFileInfo folder(QFileInfo(path_).absolutePath());
    if (folder.exists() ? !folder.isWritable() : !QDir().mkpath(folder.filePath())) throw failed();
    QLockFile lock(path_ + QStringLiteral(".lock"));
    takeTheLock(lock, path_, deadline);

    // What the file holds now, none of it when it is damaged (the program
    // stores only the chart saved last there). A file that may not be read
    // is left as it is.
    QFile old(path_);
    if (old.exists() && !old.open(QIODevice::ReadOnly)) throw failed();
    QByteArray held = old.isOpen() ? old.readAll() : QByteArray();
    {
        const QSettings current(path_, QSettings::IniFormat);
        current.allKeys();  // reads the file; its status follows
        if (current.status() == QSettings::FormatError) held.clear();
    }
    // QSettings writes the keys into a copy beside the file, under the copy's
    // own lock, and the copy replaces the file in one step. A file that may
    // not be written is left as it is.
    QTemporaryFile copy(path_ + QStringLiteral(".XXXXXX"));
    if (!copy.open() || copy.write(held) != held.size() || !copy.flush()) throw failed();
    copy.close();
    {
        QSettings settings(copy.fileName(), QSettings::IniFormat);
        for (const auto& [key, value] : values) settings.setValue(settingsKey(appName, section, key), toQt(value));
        settings.sync();
        if (settings.status() != QSettings::NoError) throw failed();
    }
    QFile written(copy.fileName());
    QSaveFile file(path_);
    if (!written.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly) ||
        file.write(written.readAll()) != written.size() || !file.commit())
        throw failed();
}

}  // namespace jd::qt
