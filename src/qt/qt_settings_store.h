#pragma once
// Per-user settings as Qt keeps them: an INI file written whole under Qt's lock.
#include <QString>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"

namespace jd::qt {

// QSettings in an INI file per user ("<config>/Jataka Desk/settings.ini"), or
// in the file given. Application name, section and key are kept in lower case,
// so they match without regard to letter case as the program expects.
// A write replaces the file whole, in one step: the keys the old file holds
// with the new ones over them, or the new ones alone when the old file is
// damaged. A file that may not be read or written, or one in a folder that
// may not be written, is left alone. The write takes Qt's lock on the file
// as QLockFile does: a lock no writer holds any more (its process ended, or
// empty a second after a writer killed as it took it) is removed first; one
// that cannot go (a folder) fails the write at once. A lock a writer holds is
// never removed: the write waits on it for half a minute at most, then fails
// saying another program is writing the file. The busy cursor shows while it
// runs.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    // `longestWait` bounds a write's wait on a lock a writer holds.
    explicit QtSettingsStore(const QString& iniPath,
                             std::chrono::milliseconds longestWait = std::chrono::seconds(30));
    std::string GetSetting(const std::string& appName, const std::string& section, const std::string& key,
                           const std::string& defaultValue = {}) const override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void SaveSection(const std::string& appName, const std::string& section,
                     const std::vector<std::pair<std::string, std::string>>& values) override;

private:
    QString path_;
    std::chrono::milliseconds longestWait_ = std::chrono::seconds(30);
};

}  // namespace jd::qt
