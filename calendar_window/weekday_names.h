// The weekday shown under the date: 1 Sunday ... 7 Saturday, anything else Saturday.
#pragma once

#include <string>

#include "lunar/lunar_tables.h"

inline std::string WeekdayName(int weekday) {
    return std::string(lunar::WeekdayNames[weekday >= 1 && weekday <= 7 ? weekday : 7]);
}
