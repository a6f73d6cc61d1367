// The text form of the settings file: "[section]" lines, each followed by its
// "key=value" lines. Values are arbitrary text; what would break a line is escaped
// (\\, \n, \r, and \xHH for the characters a name cannot hold verbatim).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class SettingsIni {
  public:
    // nullopt when the text is not in this form; the caller then treats it as empty.
    static std::optional<SettingsIni> Parse(std::string_view text);
    std::string Format() const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct Entry {
        std::string Key;
        std::string Value;
    };
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;
    };

    Section& SectionNamed(std::string_view name);

    std::vector<Section> sections_;
};

}  // namespace platform
