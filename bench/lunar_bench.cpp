// One day per iteration, cycling through every day of the years the window offers
// (1922-2099), so "Time" reads directly as nanoseconds per day.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <vector>

#include "lunar/lunar.h"

namespace {

struct Day {
    int year;
    int month;
    int day;
};

const std::vector<Day>& EveryDay() {
    static const std::vector<Day> days = [] {
        using namespace std::chrono;
        std::vector<Day> all;
        for (sys_days d = 1922y / 1 / 1; d <= sys_days{2099y / 12 / 31};
             d += std::chrono::days{1}) {
            const year_month_day ymd{d};
            all.push_back({static_cast<int>(ymd.year()), static_cast<int>(unsigned{ymd.month()}),
                           static_cast<int>(unsigned{ymd.day()})});
        }
        return all;
    }();
    return days;
}

void BM_DateAndCaption(benchmark::State& state) {
    const std::vector<Day>& days = EveryDay();
    std::size_t i = 0;
    for (auto _ : state) {
        const Day& d = days[i];
        benchmark::DoNotOptimize(lunar::LunarCaption(lunar::ToLunarDate(d.year, d.month, d.day)));
        i = i + 1 == days.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DateAndCaption);

void BM_DateOnly(benchmark::State& state) {
    const std::vector<Day>& days = EveryDay();
    std::size_t i = 0;
    for (auto _ : state) {
        const Day& d = days[i];
        benchmark::DoNotOptimize(lunar::ToLunarDate(d.year, d.month, d.day));
        i = i + 1 == days.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DateOnly);

// What a day label's pointer tip costs: the tip and the term alone, as the UI asks for both.
void BM_SolarTermAndDayTip(benchmark::State& state) {
    const std::vector<Day>& days = EveryDay();
    std::size_t i = 0;
    for (auto _ : state) {
        const Day& d = days[i];
        benchmark::DoNotOptimize(lunar::SolarTermOn(d.year, d.month, d.day));
        benchmark::DoNotOptimize(lunar::DayTip(d.year, d.month, d.day));
        i = i + 1 == days.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarTermAndDayTip);

void BM_CaptionOnly(benchmark::State& state) {
    const lunar::LunarDate date{2033, -11, 15};
    for (auto _ : state) {
        benchmark::DoNotOptimize(lunar::LunarCaption(date));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CaptionOnly);

}  // namespace
