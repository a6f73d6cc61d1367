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
    const std::uint64_t event = events_ != nullptr ? events_->Current() : 0;
    KeepFor(event);
    if (const auto found = kept_.find(key); found != kept_.end()) {
        return found->second;
    }
    std::string text;
    try {
        text = backing_->Read(kApplication, kSection, key).value_or(std::string());
    } catch (const std::exception&) {
        // Read as absent, see above.
    }
    if (event != 0) {
        kept_.emplace(key, text);
    }
    return text;
}

void SettingsStore::KeepFor(std::uint64_t event) const {
    if (event != 0 && event == keptFor_) {
        return;
    }
    kept_.clear();
    keptFor_ = event;
    backing_->Forget();
}

void SettingsStore::WriteSetting(const std::string& key, const std::string& text) {
    // Whether or not it succeeds, what was read before may no longer be what is stored.
    KeepFor(0);
    try {
        backing_->Write(kApplication, kSection, key, text);
    } catch (const std::exception&) {
        // Deliberately dropped, see above.
    }
}

SettingsStore MakeUserSettingsStore() {
    return SettingsStore(platform::MakeUserSettingsBacking());
}
