// Ids for new days: random, so that two copies of the file edited apart merge without clashes.
#pragma once

#include <string>

namespace days_window {

// A random UUID (version 4) in lowercase hex: letters, digits and "-" only, as the file wants.
std::string NewDayId();

}  // namespace days_window
