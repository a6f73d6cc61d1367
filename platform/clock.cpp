#include "platform/clock.h"

#include <ctime>

namespace platform {

LocalDateTime SystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    using namespace std::chrono;
    return {
        year_month_day{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                       day{static_cast<unsigned>(local.tm_mday)}},
        hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec}};
}

void SystemClock::ReloadZone() const {
#ifdef _WIN32
    _tzset();
#else
    tzset();
#endif
}

}  // namespace platform
