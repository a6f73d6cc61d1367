// The calendar's per-user settings: text values under application "Lunadesk",
// section "set". Nothing is cached: every read asks the backing, so a value written
// by the settings window is what the calendar window sees on its next read.
#pragma once

#include <memory>
#include <string>

#include "platform/settings_backing.h"

class SettingsStore {
  public:
    static constexpr const char* kApplication = "Lunadesk";
    static constexpr const char* kSection = "set";

    explicit SettingsStore(std::unique_ptr<platform::SettingsBacking> backing);
    // Borrows the backing, which must outlive the store (tests keep it to inspect it).
    explicit SettingsStore(platform::SettingsBacking& backing);

    // The stored text, or the empty text when the key is absent or cannot be read.
    std::string ReadSetting(const std::string& key) const;
    // Stores the text. A failure is swallowed: the value is then simply not remembered.
    void WriteSetting(const std::string& key, const std::string& text);

  private:
    std::unique_ptr<platform::SettingsBacking> owned_;
    platform::SettingsBacking* backing_;
};

// The current user's store: the registry on Windows, a file elsewhere.
SettingsStore MakeUserSettingsStore();
