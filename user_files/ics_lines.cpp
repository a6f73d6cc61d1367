#include "user_files/ics_lines.h"

namespace user_files {

namespace {

constexpr std::size_t kLineOctets = 75;

bool ContinuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string IcsEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '\\':
            case ';':
            case ',':
                out += '\\';
                out += c;
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') {
                    ++i;
                }
                out += "\\n";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                if (c == '\t' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)) {
                    out += c;
                }
                break;
        }
    }
    return out;
}

void AppendIcsLine(std::string& out, std::string_view name, std::string_view value) {
    std::string line;
    line.reserve(name.size() + 1 + value.size());
    line.append(name).append(":").append(value);
    std::string_view rest = line;
    std::size_t room = kLineOctets;
    while (rest.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && ContinuesCharacter(rest[cut])) {
            --cut;
        }
        out.append(rest.substr(0, cut)).append("\r\n ");
        rest.remove_prefix(cut);
        room = kLineOctets - 1;
    }
    out.append(rest).append("\r\n");
}

}  // namespace user_files
