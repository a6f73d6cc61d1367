#include "user_files/file_fault.h"

#include <algorithm>

namespace user_files {

std::string FaultText(const FileFault& fault) {
    std::string text = fault.File + "：";
    if (fault.Item > 0) {
        text += "第" + std::to_string(fault.Item) + "项：";
    }
    return text + fault.Text;
}

bool HasControlCharacter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        // U+0080-U+009F are written C2 80 ... C2 9F.
        const bool c1 =
            byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1) {
            return true;
        }
    }
    return false;
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace user_files
