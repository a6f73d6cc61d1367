#include "platform/ui/access_key.h"

namespace ui {

std::string WithoutAccessKeyMark(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            ++i;
        }
        if (i < caption.size()) {
            text += caption[i];
        }
    }
    return text;
}

int AccessKeyOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        const char next = caption[++i];
        if (next >= 'a' && next <= 'z') {
            return next - 'a' + 'A';
        }
        if ((next >= 'A' && next <= 'Z') || (next >= '0' && next <= '9')) {
            return next;
        }
        // "&&" is a plain "&"; a mark before anything else names no key we can press.
    }
    return 0;
}

}  // namespace ui
