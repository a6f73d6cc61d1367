// The text form of the settings file: "[section]" lines, each followed by its
// "key=value" lines. Values are arbitrary text; what would break a line is escaped
// (\\, \n, \r, and \xHH for the characters a name cannot hold verbatim).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class SettingsIni {
  public:
    // nullopt when the text is not in this form; the caller then treats it as empty. Time
    // grows with the text's length only, however many sections and keys it holds.
    static std::optional<SettingsIni> Parse(std::string_view text);
    std::string Format() const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct Entry {
        std::string Key;
        std::string Value;
    };
    // Entries in file order (which Format keeps), found by key through the index.
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;
        std::unordered_map<std::string, std::size_t> Index;
    };

    Section& SectionNamed(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    static void SetEntry(Section& section, std::string key, std::string value);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
};

}  // namespace platform
