// 三伏, counted in 庚 days from 夏至 and 立秋, and 数九, nine-day spans from 冬至.
#include <array>
#include <chrono>

#include "lunar/lunar.h"
#include "lunar/lunar_internal.h"

namespace lunar {

namespace {

using namespace std::chrono;

constexpr int kSummerSolstice = 11;  // 夏至
constexpr int kAutumnBegins = 14;    // 立秋
constexpr int kWinterSolstice = 23;  // 冬至
constexpr int kGeng = 6;             // 庚, the seventh heavenly stem

constexpr std::array<std::string_view, 9> Nines = {"一九", "二九", "三九", "四九", "五九",
                                                   "六九", "七九", "八九", "九九"};

sys_days TermDate(int year, int term) {
    return std::chrono::year{year} / (term / 2 + 1) / SolarTermDay(year, term);
}

// The n-th 庚 day counted from `from`, which counts itself. Stems count on from 1949-10-01,
// a 甲子 day.
sys_days GengDay(sys_days from, int n) {
    constexpr sys_days kJiaZi = 1949y / October / 1;
    const auto stem = static_cast<int>(((from - kJiaZi).count() % 10 + 10) % 10);
    return from + days{(kGeng - stem + 10) % 10 + 10 * (n - 1)};
}

}  // namespace

std::string_view SeasonalMarkOn(int year, int month, int day) {
    RequireDate(year, month, day, 1922, 2099);
    const sys_days date = std::chrono::year{year} / month / day;
    if (month == 7 || month == 8) {
        const sys_days firstFu = GengDay(TermDate(year, kSummerSolstice), 3);
        if (date == firstFu) {
            return "初伏";
        }
        if (date == firstFu + days{10}) {
            return "中伏";
        }
        if (date == GengDay(TermDate(year, kAutumnBegins), 1)) {
            return "末伏";
        }
        return {};
    }
    if (month != 12 && month > 3) {
        return {};
    }
    const auto sinceSolstice =
        (date - TermDate(month == 12 ? year : year - 1, kWinterSolstice)).count();
    if (sinceSolstice < 0 || sinceSolstice % 9 != 0 || sinceSolstice / 9 >= 9) {
        return {};
    }
    // Checked: a count past the ninth nine must fail loudly, not read past the names.
    return Nines.at(static_cast<std::size_t>(sinceSolstice / 9));
}

}  // namespace lunar
