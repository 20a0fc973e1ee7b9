#include "qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <limits>

#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/run_time_error.h"
#include "qt/qt_busy_cursor.h"
#include "qt/qt_controls.h"

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

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

// A writer writes its lock's contents within microseconds of making it: one
// that still holds nothing Qt can read after a second was left by a writer
// killed in between, or is one the user may not read.
constexpr qint64 kUnknownLockAge = 1000;  // ms
// QLockFile's stale age, as QSettings uses it.
constexpr qint64 kQtStaleAge = 30000;  // ms
// How long a second program removing a stale lock may take.
constexpr int kRemovalGuardWait = 200;  // ms

// Whether process `pid` of this machine runs and still runs `program` (the
// number may since have gone to another one), as QLockFile asks it. One
// whose program may not be looked at counts as running it.
bool runs(qint64 pid, const QString& program) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    if (::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH) return false;
    QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (running.endsWith(QLatin1String(" (deleted)"))) running.chop(10);  // a program replaced as it ran
    return running.isEmpty() || QFileInfo(running).fileName() == QFileInfo(program).fileName();
}

// Whether some process holds a file lock on the file at `path`, as the
// system reports it; true where that cannot be told.
bool fileLockHeld(const QString& path) {
    struct stat st {};
    QFile locks(QStringLiteral("/proc/locks"));
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !locks.open(QIODevice::ReadOnly)) return true;
    return locks.readAll().contains(':' + QByteArray::number(quint64(st.st_ino)) + ' ');
}

// Whether the lock at `lockPath` is stale where Qt cannot judge or remove it
// itself; `lock` is left open on it, holding its file lock when it is stale.
// One the user may write whose contents parse is Qt's alone (false). One the
// user may only read is judged by its contents as Qt judges them: stale when
// the process it names on this machine (same host name and machine id) has
// ended or runs another program, or when it is older than Qt's stale age. One
// whose contents do not parse (empty, garbage) is stale over a second old.
// Either only while no writer holds its file lock, tried through a read-only
// descriptor. One the user may not read is stale over a second old while no
// process holds its file lock.
bool staleWhereQtCannotTell(const QString& lockPath, QFile& lock) {
    const QFileInfo info(lockPath);
    const qint64 age = qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime()));
    if (!lock.open(QIODevice::ReadOnly)) return age > kUnknownLockAge && !fileLockHeld(lockPath);
    qint64 pid = 0;
    QString host, program;
    const bool parsed = QLockFile(lockPath).getLockInfo(&pid, &host, &program);
    if (parsed && info.isWritable()) return false;
    const QByteArray machine = lock.readAll().split('\n').value(3);
    const bool thisMachine = (host.isEmpty() || host == QSysInfo::machineHostName()) &&
                             (machine.isEmpty() || machine == QSysInfo::machineUniqueId());
    const bool stale = parsed ? (thisMachine && !runs(pid, program)) || age > kQtStaleAge : age > kUnknownLockAge;
    return stale && ::flock(lock.handle(), LOCK_EX | LOCK_NB) == 0;
}

// Takes the settings file's lock into `own` for one write as Qt takes it,
// Qt judging and removing a stale lock, until `deadline`. What Qt cannot
// judge or remove (see staleWhereQtCannotTell) the store removes as Qt
// does: under Qt's `.rmlock` guard, judged again under it, unlinked while
// its file lock is held. Raises the error that stops the write, naming what
// is in the way.
void takeTheLock(QLockFile& own, const QString& iniPath, const QDeadlineTimer& deadline) {
    const QString lockPath = iniPath + QStringLiteral(".lock");
    const auto failed = [&](const char* reason) {  // %1 the lock
        return settingsFileError(nativePath(iniPath).toStdString(),
                                 QString::fromLatin1(reason).arg(nativePath(lockPath)).toStdString());
    };
    for (qint64 pause = 0;; pause = std::clamp<qint64>(2 * pause, 10, 500)) {
        if (own.tryLock(static_cast<int>(std::min(pause, deadline.remainingTime())))) return;
        if (own.error() != QLockFile::LockFailedError) throw settingsFileError(nativePath(iniPath).toStdString());
        const QFileInfo lock(lockPath);
        if (lock.isDir()) throw failed("its lock %1 is a folder");
        if (lock.isSymLink() && !lock.exists()) throw failed("its lock %1 is a link to nothing");
        if (QFile judged(lockPath); staleWhereQtCannotTell(lockPath, judged)) {
            judged.close();
            QLockFile guard(lockPath + QStringLiteral(".rmlock"));
            if (!guard.tryLock(kRemovalGuardWait)) throw failed("the guard %1.rmlock of its lock stays taken");
            QFile again(lockPath);
            if (staleWhereQtCannotTell(lockPath, again) && ::unlink(QFile::encodeName(lockPath).constData()) != 0 &&
                errno != ENOENT)
                throw failed("its lock %1 cannot be removed");
            continue;  // gone now, or a new writer's
        }
        if (deadline.hasExpired())
            throw failed("another program is writing it (its lock %1 is held)");
    }
}

// Removes what writes killed as they ran left beside the settings file: the
// copies of it (named after it with six letters added), their locks and the
// copies of those. Called under the lock, so no live writer has any.
void removeWhatKilledWritesLeft(const QString& iniPath) {
    const QFileInfo ini(iniPath);
    const QRegularExpression leftover(QStringLiteral("^%1\\.[A-Za-z]{6}(\\.lock|\\.[A-Za-z]{6})?$")
                                          .arg(QRegularExpression::escape(ini.fileName())));
    QDir folder = ini.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (leftover.match(name).hasMatch()) folder.remove(name);
}

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
    // The wait shape while the file is written, where there are windows.
    const bool windows = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    QtBusyCursor busy;
    if (windows) busy.show();
    const auto restore = qScopeGuard([&] { if (windows) busy.restore(); });

    // The lock and the new file go beside the old one. In a folder that may
    // not be written a stale lock could never be removed: the write fails at
    // once. A folder not made yet is made now.
    const QFileInfo folder(QFileInfo(path_).absolutePath());
    if (folder.exists() ? !folder.isWritable() : !QDir().mkpath(folder.filePath())) throw failed();
    QLockFile lock(path_ + QStringLiteral(".lock"));
    takeTheLock(lock, path_, deadline);
    removeWhatKilledWritesLeft(path_);

    // The keys the file holds now, as QSettings reads its bytes afresh from a
    // copy of a name never read before (QSettings keeps a file it has read
    // and would not read it again): of a damaged file, what it can still
    // read. A file that may not be read is left as it is.
    QFile old(path_);
    if (old.exists() && !old.open(QIODevice::ReadOnly)) throw failed();
    const QByteArray held = old.isOpen() ? old.readAll() : QByteArray();
    QTemporaryFile copy(path_ + QStringLiteral(".XXXXXX"));
    if (!copy.open() || copy.write(held) != held.size() || !copy.flush()) throw failed();
    QList<std::pair<QString, QVariant>> keys;
    {
        const QSettings current(copy.fileName(), QSettings::IniFormat);
        for (const QString& key : current.allKeys()) keys.append({key, current.value(key)});
    }
    for (const auto& [key, value] : values) keys.append({settingsKey(appName, section, key), toQt(value)});
    // QSettings writes the keys into the emptied copy (under the copy's own
    // lock, which no one else knows), and the copy replaces the file in one
    // step. A file that may not be written is left as it is.
    if (!copy.resize(0)) throw failed();
    copy.close();
    {
        QSettings settings(copy.fileName(), QSettings::IniFormat);
        for (const auto& [key, value] : keys) settings.setValue(key, value);
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
