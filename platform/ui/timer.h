// A timer of a window: fires Tick every Interval milliseconds on the UI thread; 0 stops it.
#pragma once

#include <functional>
#include <string>

namespace ui {

class Form;

class Timer {
  public:
    Timer(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);

    std::function<void()> Tick;
    // The window system calls this when the interval has elapsed: an event of its own.
    void Fire();

  private:
    Form& owner_;
    std::string name_;
    int interval_ = 0;
};

}  // namespace ui
