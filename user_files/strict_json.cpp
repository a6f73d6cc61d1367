#include "user_files/strict_json.h"

#include <algorithm>
#include <set>
#include <vector>

namespace user_files {

namespace {

using nlohmann::ordered_json;

// "第3行第5列" for a byte offset, counting lines and UTF-8 characters as an editor does.
std::string PlaceOf(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "第" + std::to_string(line) + "行第" + std::to_string(column) + "列";
}

}  // namespace

JsonRead ParseStrictJson(std::string_view text) {
    JsonRead read;
    if (text.find('\0') != std::string_view::npos) {
        read.Fault = "含有NUL字符";
        return read;
    }
    std::vector<std::set<std::string>> open;  // the keys seen in each object being read
    std::string twice;
    const ordered_json::parser_callback_t watch = [&](int, ordered_json::parse_event_t event,
                                                      ordered_json& parsed) {
        switch (event) {
            case ordered_json::parse_event_t::object_start:
                open.emplace_back();
                break;
            case ordered_json::parse_event_t::key:
                if (!open.back().insert(parsed.get<std::string>()).second && twice.empty()) {
                    twice = parsed.get<std::string>();
                }
                break;
            case ordered_json::parse_event_t::object_end:
                open.pop_back();
                break;
            case ordered_json::parse_event_t::array_start:
            case ordered_json::parse_event_t::array_end:
            case ordered_json::parse_event_t::value:
                break;
        }
        return true;
    };
    try {
        // The parser itself refuses anything after the value and malformed UTF-8.
        ordered_json value = ordered_json::parse(text.begin(), text.end(), watch);
        if (!twice.empty()) {
            read.Fault = "键“" + twice + "”出现两次";
        } else {
            read.Value = std::move(value);
        }
    } catch (const ordered_json::parse_error& error) {
        // The library counts the byte after the fault.
        read.Fault = "不是有效的JSON（" + PlaceOf(text, error.byte > 0 ? error.byte - 1 : 0) + "）";
    }
    return read;
}

}  // namespace user_files
