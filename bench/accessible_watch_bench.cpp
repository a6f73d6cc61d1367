// What a screen reader's presence costs after each key: with a WinEvent listener present the
// window system describes both windows' elements (the calendar's labels and the month view's
// 42 cells, the settings window's sliders and swatches) and names what changed. The key itself
// is not timed, only the two descriptions after it.
#include <benchmark/benchmark.h>

#include <chrono>

#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/memory_run_entry.h"
#include "platform/memory_settings_backing.h"
#include "platform/start_at_log_on.h"
#include "platform/ui/accessible_watch.h"
#include "platform/ui/headless_window_system.h"
#include "platform/ui/keys.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"
#include "settings_window/form1.h"

namespace {

using namespace std::chrono;

void ChangesAfterAKey(benchmark::State& state) {
    platform::MemorySettingsBacking backing;
    SettingsStore store(backing);
    store.WriteSetting(settings::kView, state.range(0) != 0 ? "1" : "0");
    ui::HeadlessWindowSystem windows;
    const platform::FixedClock clock{{2021y / May / 9d, hours{9}}};
    frmcalendar calendar(windows, store, clock);
    platform::MemoryRunEntry runEntry;
    platform::StartAtLogOn startAtLogOn(runEntry, "lunadesk.exe");
    Form1 settings(windows, store, calendar, startAtLogOn);
    calendar.SetSettingsWindow(&settings);
    calendar.Show();
    settings.Show();
    ui::AccessibleWatch calendarWatch(calendar);
    ui::AccessibleWatch settingsWatch(settings);
    int key = ui::kKeyRight;
    for (auto _ : state) {
        state.PauseTiming();
        // Right, then left: the selection moves every time and stays in the month.
        calendar.RaiseKeyDown(key, 0);
        key = key == ui::kKeyRight ? ui::kKeyLeft : ui::kKeyRight;
        state.ResumeTiming();
        benchmark::DoNotOptimize(calendarWatch.Changes(true));
        benchmark::DoNotOptimize(settingsWatch.Changes(false));
    }
}
BENCHMARK(ChangesAfterAKey)->Arg(0)->Arg(1)->ArgName("monthView")->Unit(benchmark::kMicrosecond);

}  // namespace
