#include "lunar/lunar_tables.h"

#include <string>

namespace lunar {

// Three entries differ from the widely copied table: 2025 (0x614AE), 2089 (0xD16) and 2097
// (0xA2D). There the copied values disagree with the calendar computed from the astronomical
// new moons: a month boundary sits one day off (2025: the 4th month begins on 04-28, not on
// 04-27), which gives 90 days a wrong lunar date. Year lengths and leap months are unchanged.
// clang-format off
// Ten years a row: 1921-1930, 1931-1940, ... 2091-2099.
constexpr std::array<std::int32_t, LunarYearCount> LunarYearInfo = {
    0xA4B,   0x5164B, 0x6A5,   0x6D4,   0x415B5, 0x2B6,   0x957,   0x2092F, 0x497,   0x60C96,
    0xD4A,   0xEA5,   0x50DA9, 0x5AD,   0x2B6,   0x3126E, 0x92E,   0x7192D, 0xC95,   0xD4A,
    0x61B4A, 0xB55,   0x56A,   0x4155B, 0x25D,   0x92D,   0x2192B, 0xA95,   0x71695, 0x6CA,
    0xB55,   0x50AB5, 0x4DA,   0xA5B,   0x30A57, 0x52B,   0x8152A, 0xE95,   0x6AA,   0x615AA,
    0xAB5,   0x4B6,   0x414AE, 0xA57,   0x526,   0x31D26, 0xD95,   0x70B55, 0x56A,   0x96D,
    0x5095D, 0x4AD,   0xA4D,   0x41A4D, 0xD25,   0x81AA5, 0xB54,   0xB6A,   0x612DA, 0x95B,
    0x49B,   0x41497, 0xA4B,   0xA164B, 0x6A5,   0x6D4,   0x615B4, 0xAB6,   0x957,   0x5092F,
    0x497,   0x64B,   0x30D4A, 0xEA5,   0x80D65, 0x5AC,   0xAB6,   0x5126D, 0x92E,   0xC96,
    0x41A95, 0xD4A,   0xDA5,   0x20B55, 0x56A,   0x7155B, 0x25D,   0x92D,   0x5192B, 0xA95,
    0xB4A,   0x416AA, 0xAD5,   0x90AB5, 0x4BA,   0xA5B,   0x60A57, 0x52B,   0xA93,   0x40E95,
    0x6AA,   0xAD5,   0x209B5, 0x4B6,   0x614AE, 0xA4E,   0xD26,   0x51D26, 0xD53,   0x5AA,
    0x30D6A, 0x96D,   0xB095D, 0x4AD,   0xA4D,   0x61A4B, 0xD25,   0xD52,   0x51B54, 0xB5A,
    0x56D,   0x2095B, 0x49B,   0x71497, 0xA4B,   0xAA5,   0x516A5, 0x6D2,   0xADA,   0x30AB6,
    0x937,   0x8092F, 0x497,   0x64B,   0x60D4A, 0xEA5,   0x6B2,   0x4156C, 0xAAE,   0x92E,
    0x3192E, 0xC96,   0x71A95, 0xD4A,   0xDA5,   0x50B55, 0x56A,   0xA6D,   0x40A5D, 0x52D,
    0x8152B, 0xA95,   0xB4A,   0x616AA, 0xAD5,   0x55A,   0x414BA, 0xA5B,   0x52B,   0x31527,
    0x693,   0x70E53, 0x6AA,   0xAD5,   0x509B5, 0x4B6,   0xA57,   0x40A4E, 0xD16,   0x81D26,
    0xD52,   0xDAA,   0x60D6A, 0x56D,   0x4AE,   0x4149D, 0xA2D,   0xD15,   0x21B25,
};
// clang-format on

constexpr std::array<int, 12> DaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};

namespace {

constexpr std::array<int, LunarYearCount + 1> SumYearLengths() {
    std::array<int, LunarYearCount + 1> daysBefore{};
    for (std::size_t i = 0; i < LunarYearCount; ++i) {
        daysBefore[i + 1] = daysBefore[i] + YearLength(LunarYearInfo[i]);
    }
    return daysBefore;
}

}  // namespace

constexpr std::array<int, LunarYearCount + 1> DaysBeforeLunarYear = SumYearLengths();

// 1921-02-08 to 2100-02-08: a slip in the year table moves this.
static_assert(DaysBeforeLunarYear.back() == 65380);

constexpr std::array<std::string_view, 10> HeavenlyStems = {"甲", "乙", "丙", "丁", "戊",
                                                            "己", "庚", "辛", "壬", "癸"};

constexpr std::array<std::string_view, 12> EarthlyBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                              "午", "未", "申", "酉", "戌", "亥"};

constexpr std::array<std::string_view, 12> ZodiacAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                            "马", "羊", "猴", "鸡", "狗", "猪"};

constexpr std::array<std::string_view, 13> LunarMonthNames = {
    "*", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};

constexpr std::array<std::string_view, 31> LunarDayNames = {
    "*",    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

constexpr std::array<std::string_view, 8> WeekdayNames = {" * ",    "星期日", "星期一", "星期二",
                                                          "星期三", "星期四", "星期五", "星期六"};

constexpr std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

void ThrowIndexOutOfRange(std::int64_t index, std::size_t size) {
    throw OutOfRange("lunar table index " + std::to_string(index) + " outside 0-" +
                     std::to_string(size - 1));
}

}  // namespace lunar
