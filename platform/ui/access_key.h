// Access keys in captions: "保存(&S)" is pressed with Alt+S, "&&" stands for one "&".
#pragma once

#include <string>

namespace ui {

// The caption as shown and read out, without its access-key mark ("月份&M" is "月份M").
std::string WithoutAccessKeyMark(const std::string& caption);

// The key (ui::Key, a Windows virtual-key code: 'A'..'Z', '0'..'9') the caption's mark names,
// or 0 for none.
int AccessKeyOf(const std::string& caption);

}  // namespace ui
