// The user's JSON files, read strictly: the library alone would stop at a NUL byte and keep the
// last copy of a key given twice, so a broken file could pass for a good one.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace user_files {

struct JsonRead {
    // Keys in the order the file gives them, so a rewrite keeps the user's order.
    std::optional<nlohmann::ordered_json> Value;
    // Why there is no value, in words for the user ("不是有效的JSON（第3行第5列）").
    std::string Fault;
};

// One JSON value and nothing after it but white space; no NUL byte anywhere; no object with a
// key given twice.
JsonRead ParseStrictJson(std::string_view text);

}  // namespace user_files
