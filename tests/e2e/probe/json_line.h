// One JSON object per output line, built field by field. Only what the probe prints:
// strings (UTF-8, escaped), integers, booleans, null and arrays of strings.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace probe {

class JsonLine {
  public:
    JsonLine& Text(std::string_view name, std::string_view value) {
        Name(name);
        Quote(value);
        return *this;
    }
    JsonLine& Number(std::string_view name, std::int64_t value) {
        Name(name);
        line_ += std::to_string(value);
        return *this;
    }
    JsonLine& Flag(std::string_view name, bool value) {
        Name(name);
        line_ += value ? "true" : "false";
        return *this;
    }
    JsonLine& Null(std::string_view name) {
        Name(name);
        line_ += "null";
        return *this;
    }
    JsonLine& Texts(std::string_view name, const std::vector<std::string>& values) {
        Name(name);
        line_ += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) {
                line_ += ',';
            }
            Quote(values[i]);
        }
        line_ += ']';
        return *this;
    }
    // The finished line, newline included.
    std::string Str() const { return line_ + "}\n"; }

  private:
    void Name(std::string_view name) {
        line_ += line_.size() > 1 ? "," : "";
        Quote(name);
        line_ += ':';
    }
    void Quote(std::string_view text) {
        line_ += '"';
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                line_ += '\\';
                line_ += c;
            } else if (byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
                line_ += escaped;
            } else {
                line_ += c;  // UTF-8 passes through unchanged
            }
        }
        line_ += '"';
    }

    std::string line_ = "{";
};

}  // namespace probe
