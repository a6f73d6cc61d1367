// Days whose export covers every rule that moves or counts a day, escaping and folding.
#pragma once

#include <vector>

#include "lunar/user_days.h"

namespace sample {

using lunar::UserCalendar;
using lunar::UserDayKind;

inline const std::vector<lunar::UserDay> kExportDays = {
    {"mum",
     "妈妈生日",
     UserDayKind::Birthday,
     UserCalendar::Lunar,
     1963,
     4,
     true,
     15,
     {0, 1, 7},
     {}},
    {"eve", "除夕", UserDayKind::Yearly, UserCalendar::Lunar, {}, 12, false, 30, {}, {}},
    {"kobayashi",
     "小林生日",
     UserDayKind::Birthday,
     UserCalendar::Gregorian,
     1999,
     2,
     false,
     29,
     {},
     {}},
    {"ab-1",
     "A,B;C\\D",
     UserDayKind::Anniversary,
     UserCalendar::Gregorian,
     2020,
     1,
     false,
     15,
     {3},
     "行一\n行二"},
    {"check", "体检", UserDayKind::Once, UserCalendar::Gregorian, 2027, 1, false, 15, {0}, "空腹"},
    {"long",
     "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十",
     UserDayKind::Yearly,
     UserCalendar::Gregorian,
     {},
     12,
     false,
     31,
     {},
     {}},
};

}  // namespace sample
