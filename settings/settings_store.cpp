#include "settings/settings_store.h"

#include <exception>
#include <stdexcept>
#include <utility>

SettingsStore::SettingsStore(std::unique_ptr<platform::SettingsBacking> backing)
    : owned_(std::move(backing)), backing_(owned_.get()) {
    if (backing_ == nullptr) {
        throw std::invalid_argument("SettingsStore needs a backing");
    }
}

SettingsStore::SettingsStore(platform::SettingsBacking& backing) : backing_(&backing) {}

// Callers are window event handlers that have no way to handle a failing store (a
// read-only profile, a full disk). Treating a failed read as absent and dropping a
// failed write keeps the calendar usable; the worst outcome is a setting not kept.
std::string SettingsStore::ReadSetting(const std::string& key) const {
    try {
        return backing_->Read(kApplication, kSection, key).value_or(std::string());
    } catch (const std::exception&) {
        return std::string();
    }
}

void SettingsStore::WriteSetting(const std::string& key, const std::string& text) {
    try {
        backing_->Write(kApplication, kSection, key, text);
    } catch (const std::exception&) {
        // Deliberately dropped, see above.
    }
}

SettingsStore MakeUserSettingsStore() {
    return SettingsStore(platform::MakeUserSettingsBacking());
}
