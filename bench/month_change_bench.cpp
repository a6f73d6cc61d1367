// A month change on the calendar window: the Sunday pass (31 day selections, 93 store
// reads), the month layout and the final selection, with settings in memory or in a file, in
// the compact view and in the month view (its 42 cells filled anew).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/file_settings_backing.h"
#include "platform/memory_settings_backing.h"
#include "platform/ui/headless_window_system.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

using namespace std::chrono;

void RunMonthChanges(benchmark::State& state, SettingsStore& store, bool monthView = false) {
    store.WriteSetting(settings::kView, monthView ? "1" : "0");
    ui::HeadlessWindowSystem windows;
    platform::FixedClock clock{{2021y / May / 9d, hours{9}}};
    frmcalendar cal(windows, store, clock);
    cal.Show();
    int month = 0;
    for (auto _ : state) {
        cal.cbomonth.SetListIndex(month);
        month = (month + 1) % 12;
        benchmark::DoNotOptimize(cal.selDay);
    }
}

void MonthChangeInMemory(benchmark::State& state) {
    platform::MemorySettingsBacking backing;
    SettingsStore store(backing);
    RunMonthChanges(state, store);
}
BENCHMARK(MonthChangeInMemory)->Unit(benchmark::kMicrosecond);

void MonthChangeInMonthViewInMemory(benchmark::State& state) {
    platform::MemorySettingsBacking backing;
    SettingsStore store(backing);
    RunMonthChanges(state, store, true);
}
BENCHMARK(MonthChangeInMonthViewInMemory)->Unit(benchmark::kMicrosecond);

void RunWithFileStore(benchmark::State& state, bool monthView) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("lunadesk-bench-" + std::to_string(::getpid()));
    {
        SettingsStore store(std::make_unique<platform::FileSettingsBacking>(home));
        RunMonthChanges(state, store, monthView);
    }
    std::filesystem::remove_all(home);
}

void MonthChangeWithFileStore(benchmark::State& state) {
    RunWithFileStore(state, false);
}
BENCHMARK(MonthChangeWithFileStore)->Unit(benchmark::kMicrosecond);

void MonthChangeInMonthViewWithFileStore(benchmark::State& state) {
    RunWithFileStore(state, true);
}
BENCHMARK(MonthChangeInMonthViewWithFileStore)->Unit(benchmark::kMicrosecond);

}  // namespace
