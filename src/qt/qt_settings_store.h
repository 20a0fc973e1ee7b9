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
// A write takes Qt's lock on the file as Qt takes it, with Qt judging and
// removing a stale one, and removes in the same way the stale locks Qt
// cannot; a lock a writer holds makes the write wait (`longestWait`, half a
// minute by default, at most), then fail saying another program is writing
// the file. Under the lock, the keys QSettings reads from the file as it is now
// (of a damaged one, what it can still read), with the new ones over them,
// replace the file in one step; what writes killed as they ran left beside
// it goes. A file that may not be read or written, or one in a folder that
// may not be written, is left alone. The busy cursor shows while it runs.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
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
