#include "platform/fake_services.h"

#include <algorithm>
#include <stdexcept>

namespace jd {

namespace {
bool fits(MsgResult r, MsgButtons b) {
    switch (b) {
        case MsgButtons::OK: return r == MsgResult::OK;
        case MsgButtons::YesNo: return r == MsgResult::Yes || r == MsgResult::No;
        case MsgButtons::OKCancel: return r == MsgResult::OK || r == MsgResult::Cancel;
    }
    return false;
}

std::string foldCase(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
}  // namespace

MsgResult ScriptedMessageBox::show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                   const std::optional<std::string>& title) {
    shown_.push_back(ShownBox{text, icon, buttons, title, messageCaption(title)});
    if (whileShown) whileShown(text);
    if (answers_.empty()) return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::OK;
    const MsgResult r = answers_.front();
    answers_.pop_front();
    if (!fits(r, buttons)) throw std::logic_error("scripted answer does not fit the box: " + text);
    return r;
}

std::vector<std::string> ScriptedMessageBox::texts() const {
    std::vector<std::string> out;
    for (const auto& b : shown_) out.push_back(b.text);
    return out;
}

const ShownBox& ScriptedMessageBox::last() const {
    if (shown_.empty()) throw std::logic_error("no message box was shown");
    return shown_.back();
}

MemorySettingsStore::Key MemorySettingsStore::fold(const std::string& a, const std::string& s, const std::string& k) {
    return {foldCase(a), foldCase(s), foldCase(k)};
}

std::string MemorySettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                            const std::string& key, const std::string& defaultValue) const {
    const auto it = values_.find(fold(appName, section, key));
    return it == values_.end() ? defaultValue : it->second;
}

void MemorySettingsStore::checkWritable() const {
    if (!unwritable_.empty()) throw settingsFileError(unwritable_);
}

void MemorySettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                      const std::string& key, const std::string& value) {
    checkWritable();
    values_[fold(appName, section, key)] = value;
    ++saves_;
}

void MemorySettingsStore::SaveSection(const std::string& appName, const std::string& section,
                                      const std::vector<std::pair<std::string, std::string>>& values) {
    checkWritable();
    for (const auto& [key, value] : values) SaveSetting(appName, section, key, value);
}

bool MemorySettingsStore::has(const std::string& appName, const std::string& section, const std::string& key) const {
    return values_.count(fold(appName, section, key)) != 0;
}

std::optional<std::string> ScriptedSaveDialog::showSave(const SaveDialogOptions& options) {
    shown_.push_back(options);
    if (answers_.empty()) return std::nullopt;
    auto r = answers_.front();
    answers_.pop_front();
    return r;
}

std::vector<std::string> RecordingBrowser::windowsOpened() const {
    std::vector<std::string> names;
    for (const auto& n : navigations_)
        if (std::find(names.begin(), names.end(), n.windowName) == names.end()) names.push_back(n.windowName);
    return names;
}

}  // namespace jd
