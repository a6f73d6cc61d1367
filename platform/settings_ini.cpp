#include "platform/settings_ini.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

// Names are also escaped where a character would end the name ('=', ']') or turn the
// line into a section header or a comment ('[', ';', '#').
std::string Escape(std::string_view text, bool isName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '=':
            case '[':
            case ']':
            case ';':
            case '#':
                if (isName) {
                    const auto byte = static_cast<unsigned char>(c);
                    out += "\\x";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                    break;
                }
                [[fallthrough]];
            default:
                out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 'x': {
                if (text.size() - i < 3) {
                    return std::nullopt;
                }
                const int high = HexDigit(text[i + 1]);
                const int low = HexDigit(text[i + 2]);
                if (high < 0 || low < 0) {
                    return std::nullopt;
                }
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::optional<SettingsIni> SettingsIni::Parse(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    SettingsIni ini;
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        // Tolerate a file saved with CRLF line ends by a text editor; written values
        // never hold a raw CR.
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (IsBlank(line) || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            if (line.size() < 2 || line.back() != ']') {
                return std::nullopt;
            }
            const auto name = Unescape(line.substr(1, line.size() - 2));
            if (!name) {
                return std::nullopt;
            }
            current = &ini.SectionNamed(*name);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) {
            return std::nullopt;
        }
        const auto key = Unescape(line.substr(0, equals));
        const auto value = Unescape(line.substr(equals + 1));
        if (!key || !value) {
            return std::nullopt;
        }
        // A repeated key keeps its last value, as a later line overrides an earlier one.
        SetEntry(*current, std::move(*key), std::move(*value));
    }
    return ini;
}

std::string SettingsIni::Format() const {
    std::string out;
    for (const Section& section : sections_) {
        if (!out.empty()) {
            out += '\n';
        }
        out += '[' + Escape(section.Name, true) + "]\n";
        for (const Entry& entry : section.Entries) {
            out += Escape(entry.Key, true) + '=' + Escape(entry.Value, false) + '\n';
        }
    }
    return out;
}

std::optional<std::string> SettingsIni::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto entry = found->Index.find(std::string(key));
    if (entry == found->Index.end()) {
        return std::nullopt;
    }
    return found->Entries[entry->second].Value;
}

void SettingsIni::Set(std::string_view section, std::string_view key, std::string_view value) {
    SetEntry(SectionNamed(section), std::string(key), std::string(value));
}

void SettingsIni::SetEntry(Section& section, std::string key, std::string value) {
    const auto [entry, added] = section.Index.try_emplace(key, section.Entries.size());
    if (added) {
        section.Entries.push_back({std::move(key), std::move(value)});
    } else {
        section.Entries[entry->second].Value = std::move(value);
    }
}

const SettingsIni::Section* SettingsIni::FindSection(std::string_view name) const {
    const auto found = sectionIndex_.find(std::string(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

SettingsIni::Section& SettingsIni::SectionNamed(std::string_view name) {
    const auto [found, added] = sectionIndex_.try_emplace(std::string(name), sections_.size());
    if (added) {
        sections_.push_back({std::string(name), {}, {}});
    }
    return sections_[found->second];
}

}  // namespace platform
