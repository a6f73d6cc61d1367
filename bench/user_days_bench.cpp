// The user's days a month's 42 cells show, with a full file of 1,000 days.
#include <benchmark/benchmark.h>

#include <chrono>

#include "lunar/user_days.h"

namespace {

using namespace std::chrono;

lunar::UserDayIndex ThousandDays() {
    std::vector<lunar::UserDay> days;
    for (int i = 0; i < 1000; ++i) {
        lunar::UserDay day;
        day.Id = std::to_string(i);
        day.Name = "日子" + day.Id;
        day.Kind = static_cast<lunar::UserDayKind>(i % 4);
        day.Calendar = i % 2 ? lunar::UserCalendar::Lunar : lunar::UserCalendar::Gregorian;
        day.Year = 1950 + i % 77;
        day.Month = 1 + i % 12;
        day.Day = 1 + i % 28;
        days.push_back(day);
    }
    return lunar::UserDayIndex(std::move(days));
}

// One month change: the 42 cells of the next month, each with the texts of its days.
void BM_MarkMonthCells(benchmark::State& state) {
    const lunar::UserDayIndex index = ThousandDays();
    sys_days first = 2026y / 1 / 1;
    std::size_t marked = 0;
    for (auto _ : state) {
        for (const auto& cell : index.OnDates(year_month_day{first}, 42)) {
            marked += cell.size();
        }
        first += days{31};
        if (first > sys_days{2098y / 1 / 1}) {
            first = 2026y / 1 / 1;
        }
    }
    benchmark::DoNotOptimize(marked);
}
BENCHMARK(BM_MarkMonthCells)->Unit(benchmark::kMicrosecond);

}  // namespace
