// The clock seam: the program asks it for the local date and time; tests fix it.
#pragma once

#include <chrono>

namespace platform {

struct LocalDateTime {
    std::chrono::year_month_day Date;
    std::chrono::seconds TimeOfDay{0};
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    // The time zone may have changed: read it again before the next Now.
    virtual void ReloadZone() const {}
};

// The system's local date and time.
class SystemClock final : public Clock {
  public:
    LocalDateTime Now() const override;
    // The C runtime keeps the zone it read first until told otherwise.
    void ReloadZone() const override;
};

// A clock that stands still until a test moves it.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(LocalDateTime now) : now_(now) {}
    LocalDateTime Now() const override { return now_; }
    void Set(LocalDateTime now) { now_ = now; }

  private:
    LocalDateTime now_;
};

}  // namespace platform
