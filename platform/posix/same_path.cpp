// File names compared as Windows compares them, for the tests that run elsewhere: each
// character's simple upper case from the C library's Unicode tables (ASCII only where the
// system has no UTF-8 locale). Bytes that are not UTF-8 must match exactly.
#include <locale.h>
#include <wctype.h>

#include "platform/start_at_log_on.h"

namespace platform {
namespace {

// The next character's code point, or the next byte negated when it starts no UTF-8 sequence.
long NextCharacter(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    long code = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = lead < 0x80 || (lead >= 0xC2 && lead < 0xF5 && text.size() >= length);
    for (std::size_t i = 1; valid && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        valid = (next & 0xC0) == 0x80;
        code = (code << 6) | (next & 0x3F);
    }
    if (!valid) {
        text.remove_prefix(1);
        return -static_cast<long>(lead);
    }
    text.remove_prefix(length);
    return code;
}

long Upper(long code) {
    static const locale_t unicode = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (code < 0) {
        return code;
    }
    if (unicode == locale_t{}) {
        return code >= 'a' && code <= 'z' ? code - 32 : code;
    }
    return static_cast<long>(::towupper_l(static_cast<wint_t>(code), unicode));
}

}  // namespace

bool SamePath(std::string_view a, std::string_view b) {
    while (!a.empty() && !b.empty()) {
        if (Upper(NextCharacter(a)) != Upper(NextCharacter(b))) {
            return false;
        }
    }
    return a.empty() && b.empty();
}

}  // namespace platform
