// The ten remembered settings: their keys, first-run values and the ranges a reader
// accepts. A stored text that is absent, not a number or out of range reads as the
// key's first-run value, so a hand-edited store can never stop the program.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class SettingsStore;

namespace settings {

struct SettingKey {
    std::string_view Name;
    std::int32_t Min;
    std::int32_t Max;
    std::int32_t FirstRun;  // formX's depends on the screen: see FirstRunValues
};

inline constexpr SettingKey kFormX{"formX", INT32_MIN, INT32_MAX, 0};
inline constexpr SettingKey kFormY{"formY", INT32_MIN, INT32_MAX, 0};
inline constexpr SettingKey kFormBackCol{"formbackcol", 0, 255, 200};
inline constexpr SettingKey kFontR1{"fontR1", 0, 255, 0};
inline constexpr SettingKey kFontG1{"fontG1", 0, 255, 255};
inline constexpr SettingKey kFontB1{"fontB1", 0, 255, 255};
inline constexpr SettingKey kFontR2{"fontR2", 0, 255, 0};
inline constexpr SettingKey kFontG2{"fontG2", 0, 255, 255};
inline constexpr SettingKey kFontB2{"fontB2", 0, 255, 0};
inline constexpr SettingKey kSetCol{"setcol", 0, 0xFFFFFF, 16711680};

// "1" once the balloon that says where the minimised calendar went has been shown; not one
// of the ten, so absent until the first minimising.
inline constexpr const char* kBalloonShown = "balloon";

// The last day the user's days were reminded of, "yyyy-mm-dd"; absent before the first reminder.
inline constexpr const char* kRemindedThrough = "remindedThrough";

// "1" while the calendar shows the month view, and while its place is locked; anything else
// or absent: the compact view, and a window that can be dragged. Not of the ten either.
inline constexpr const char* kView = "view";
inline constexpr const char* kLocked = "locked";
// "0": the desktop brought forward ("show desktop") covers the calendar like any window;
// anything else or absent: the calendar stays visible above it.
inline constexpr const char* kKeepOnDesktop = "keepOnDesktop";

// In the order the first run writes them.
inline constexpr std::array<const SettingKey*, 10> kAllKeys{
    &kFormX,  &kFormY,  &kFormBackCol, &kFontR1, &kFontG1,
    &kFontB1, &kFontR2, &kFontG2,      &kFontB2, &kSetCol};

// The stored value as an integer (rounded half to even) when it is a number within the
// key's range; nullopt otherwise.
std::optional<std::int32_t> ParseSetting(const SettingKey& key, std::string_view text);

// Reads the key afresh from the store; its first-run value when unreadable.
std::int32_t ReadNumber(SettingsStore& store, const SettingKey& key);

// The stored value when readable, else nullopt (used for the window position, where
// "no stored position" differs from any number).
std::optional<std::int32_t> ReadOptionalNumber(SettingsStore& store, const SettingKey& key);

// Writes the number as plain decimal text.
void WriteNumber(SettingsStore& store, const SettingKey& key, std::int32_t value);

}  // namespace settings
