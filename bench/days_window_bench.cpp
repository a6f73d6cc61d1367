// Opening the 我的日子 window over a days.json of 1,000 days (the most the file may hold): the
// file read and parsed, the rows sorted by when each falls next, the list and the form filled;
// then closed, so that each opening starts from nothing. The native windows are not in it.
#include <benchmark/benchmark.h>

#include <chrono>

#include "calendar_window/frmcalendar.h"
#include "days_window/frmdays.h"
#include "platform/clock.h"
#include "platform/memory_settings_backing.h"
#include "platform/ui/headless_window_system.h"
#include "settings/settings_store.h"
#include "tests/unit/memory_user_files.h"

namespace {

using namespace std::chrono;

void OpenTheDaysWindow(benchmark::State& state) {
    platform::MemorySettingsBacking backing;
    SettingsStore store(backing);
    ui::HeadlessWindowSystem windows;
    const platform::FixedClock clock{{2026y / December / 7d, hours{9}}};
    frmcalendar calendar(windows, store, clock);
    calendar.Show();
    tests::MemoryFiles files;
    files.files["/u/days.json"] = tests::ManyDays(static_cast<int>(state.range(0)));
    frmdays days(windows, calendar, files, "/u", clock, "1.0", nullptr);
    for (auto _ : state) {
        days.Show();
        benchmark::DoNotOptimize(days.lstdays.RowCount());
        state.PauseTiming();
        days.Unload();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenTheDaysWindow)->Arg(0)->Arg(1000)->ArgName("days")->Unit(benchmark::kMillisecond);

}  // namespace
