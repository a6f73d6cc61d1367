#include <algorithm>
#include <cstdlib>

#include "days_window/day_form.h"
#include "user_files/days_file.h"

namespace days_window {

namespace {

constexpr int kOfferedRemind[] = {0, 1, 3, 7};
constexpr std::size_t kMostReminders = 4;  // as many as the file holds

bool Offered(int before) {
    return std::find(std::begin(kOfferedRemind), std::end(kOfferedRemind), before) !=
           std::end(kOfferedRemind);
}

// Spaces around a name, ASCII or ideographic, are never meant.
std::string Trimmed(std::string_view text) {
    static constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
    for (;;) {
        if (text.starts_with(' ')) {
            text.remove_prefix(1);
        } else if (text.ends_with(' ')) {
            text.remove_suffix(1);
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            return std::string(text);
        }
    }
}

}  // namespace

DayForm NewDayForm(const std::chrono::year_month_day& selected, std::string id) {
    DayForm form;
    form.Id = std::move(id);
    try {
        const lunar::LunarDate date =
            lunar::ToLunarDate(int{selected.year()}, static_cast<int>(unsigned{selected.month()}),
                               static_cast<int>(unsigned{selected.day()}));
        if (date.Day >= 1) {
            form.Month = std::abs(date.Month);
            form.Leap = date.Month < 0;
            form.Day = date.Day;
        }
    } catch (const lunar::OutOfRange&) {
        // Beyond the tables: the form starts on 正月初一.
    }
    return form;
}

DayForm FormOf(const lunar::UserDay& day) {
    DayForm form{day.Id,   day.Name, day.Kind,   day.Calendar, day.Year, day.Month,
                 day.Leap, day.Day,  day.Remind, {},           day.Note};
    std::copy_if(day.Remind.begin(), day.Remind.end(), std::back_inserter(form.OtherRemind),
                 [](int before) { return !Offered(before); });
    std::sort(form.OtherRemind.begin(), form.OtherRemind.end());
    return form;
}

FormCheck CheckForm(const DayForm& form) {
    const std::string name = Trimmed(form.Name);
    auto fault = [](std::string text) { return FormCheck{std::nullopt, std::move(text)}; };
    if (name.empty()) {
        return fault("名称不能为空");
    }
    if (user_files::CharacterCount(name) > 40) {
        return fault("名称不能超过40个字");
    }
    if (user_files::HasControlCharacter(name)) {
        return fault("名称不能含有控制字符");
    }
    if (form.Kind == lunar::UserDayKind::Once && !form.Year) {
        return fault("仅一次的日子须填年份");
    }
    if (form.Remind.size() > kMostReminders) {
        return fault("提醒至多选4项");
    }
    const lunar::UserDay day{form.Id,    name,      form.Kind, form.Calendar, form.Year,
                             form.Month, form.Leap, form.Day,  form.Remind,   form.Note};
    if (std::string why = user_files::DateFault(day); !why.empty()) {
        return fault(std::move(why));
    }
    if (form.Note && user_files::CharacterCount(*form.Note) > 200) {
        return fault("备注不能超过200个字");
    }
    return {day, {}};
}

std::vector<RemindChoice> RemindChoices(const DayForm& form) {
    std::vector<RemindChoice> choices;
    auto add = [&](int before) {
        const bool ticked =
            std::find(form.Remind.begin(), form.Remind.end(), before) != form.Remind.end();
        choices.push_back(
            {before, before == 0 ? "当天" : "提前" + std::to_string(before) + "天", ticked});
    };
    std::for_each(std::begin(kOfferedRemind), std::end(kOfferedRemind), add);
    std::for_each(form.OtherRemind.begin(), form.OtherRemind.end(), add);
    return choices;
}

void SetRemind(DayForm& form, int before, bool ticked) {
    std::erase(form.Remind, before);
    if (ticked && (Offered(before) || std::find(form.OtherRemind.begin(), form.OtherRemind.end(),
                                                before) != form.OtherRemind.end())) {
        form.Remind.push_back(before);
    }
}

void SetNote(DayForm& form, const std::string& note) {
    // An emptied box is no note; a note the file gives as "" stays until the box is changed.
    form.Note = note.empty() ? std::nullopt : std::optional<std::string>(note);
}

}  // namespace days_window
