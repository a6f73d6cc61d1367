// What the calendar window offers the windows it opens: nothing more than these.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/types.h"

class CalendarOperations {
  public:
    virtual ~CalendarOperations() = default;
    // Main and secondary text colours, components 0..255.
    virtual void fontRGB1(std::int16_t r, std::int16_t g, std::int16_t b) = 0;
    virtual void fontRGB2(std::int16_t r, std::int16_t g, std::int16_t b) = 0;
    // Repaints the day numbers, the Sundays of the shown month in this colour.
    virtual void setcol(std::int32_t colour) = 0;
    // The same with the stored decimal text of the Sunday colour.
    virtual void setcol(const std::string& colourText) = 0;
    // Back to today.
    virtual void Label3_Click() = 0;
    // Whole-window opacity, 0..255.
    virtual void TM1(std::int16_t alpha) = 0;
    // Where the calendar window is now and how large: the settings window opens below it.
    virtual ui::Rect WindowPlace() const = 0;
    // The day the calendar has selected (a new day of the user's starts on it).
    virtual std::chrono::year_month_day SelectedDate() const = 0;
    // The month view shows instead of the compact grid.
    virtual bool MonthView() const = 0;
    virtual void SetMonthView(bool month) = 0;

    // Told after every switch of the view, whoever made it (the settings window's box follows).
    std::function<void()> ViewChanged;
};
