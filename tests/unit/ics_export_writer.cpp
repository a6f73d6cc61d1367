// Writes the sample days' export of 7 December 2026 to the path given, twice (the second
// over the first), as the program does.
#include <cstdio>

#include "platform/user_file_store.h"
#include "sample_days.h"
#include "user_files/days_calendar.h"

int main(int argc, char** argv) {
    using namespace std::chrono;
    const auto text = user_files::DaysCalendarText(sample::kExportDays, 2026y / 12 / 7, "1.0",
                                                   sys_days{2026y / 12 / 7})
                          .Text;
    for (int i = 0; i < 2 && argc == 2; ++i) {
        const std::string failure = platform::SystemUserFiles().Replace(argv[1], text, "");
        if (!failure.empty()) {
            std::fprintf(stderr, "%s\n", failure.c_str());
            return 1;
        }
    }
    return argc == 2 ? 0 : 2;
}
