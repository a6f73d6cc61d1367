// Why a file of the user's is not used, said the same way for every such file.
#pragma once

#include <string>
#include <string_view>

namespace user_files {

struct FileFault {
    // The file's path under the program's folder of the user's, as the user finds it there:
    // "days.json", "holidays\2027.json".
    std::string File;
    // The 1-based item the fault is in; 0 for a fault of the whole file.
    int Item = 0;
    // The fault in words: "日期不存在（2027-02-30）".
    std::string Text;
    bool operator==(const FileFault&) const = default;
};

// "holidays\2027.json：第4项：日期不存在（2027-02-30）"; "days.json：不是有效的JSON（第1行第1列）".
std::string FaultText(const FileFault& fault);

// Whether a text holds a control character (C0, DEL or C1), which no name or note may.
bool HasControlCharacter(std::string_view utf8);
// The characters (code points) of valid UTF-8.
std::size_t CharacterCount(std::string_view utf8);

}  // namespace user_files
