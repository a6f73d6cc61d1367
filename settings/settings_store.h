// The calendar's per-user settings: text values under application "Lunadesk",
// section "set". A read asks the backing afresh unless the same value was read earlier in
// the running event (see KeepReadsWithin); every write forgets what was kept, so a value
// written by the settings window is what the calendar window sees on its next read.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/event_epoch.h"
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

    // Keeps what is read during one of these events for the rest of it: a start reads the
    // same ten values hundreds of times, each a round trip to the registry. A value changed
    // by hand is seen at the next event. The events must outlive the store's reads.
    void KeepReadsWithin(const platform::EventEpoch& events) { events_ = &events; }

  private:
    // Drops what this store and its backing kept, when the event is another than theirs.
    void KeepFor(std::uint64_t event) const;

    std::unique_ptr<platform::SettingsBacking> owned_;
    platform::SettingsBacking* backing_;
    const platform::EventEpoch* events_ = nullptr;
    // The texts read during event keptFor_; 0 is no event, where nothing is kept.
    mutable std::uint64_t keptFor_ = 0;
    mutable std::map<std::string, std::string, std::less<>> kept_;
};

// The current user's store: the registry on Windows, a file elsewhere.
SettingsStore MakeUserSettingsStore();
