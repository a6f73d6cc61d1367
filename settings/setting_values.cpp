#include "settings/setting_values.h"

#include "platform/conversions.h"
#include "platform/errors.h"
#include "settings/settings_store.h"

namespace settings {

std::optional<std::int32_t> ParseSetting(const SettingKey& key, std::string_view text) {
    try {
        const std::int32_t value = platform::TextToInt32(text);
        if (value < key.Min || value > key.Max) {
            return std::nullopt;
        }
        return value;
    } catch (const platform::Error&) {
        return std::nullopt;
    }
}

std::optional<std::int32_t> ReadOptionalNumber(SettingsStore& store, const SettingKey& key) {
    return ParseSetting(key, store.ReadSetting(std::string(key.Name)));
}

std::int32_t ReadNumber(SettingsStore& store, const SettingKey& key) {
    return ReadOptionalNumber(store, key).value_or(key.FirstRun);
}

void WriteNumber(SettingsStore& store, const SettingKey& key, std::int32_t value) {
    store.WriteSetting(std::string(key.Name), platform::PlainText(value));
}

}  // namespace settings
