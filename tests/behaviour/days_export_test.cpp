// The user's days exported: the calendar file's text, the save dialog asked for, the status.
#include "user_files/days_export.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ui/headless_window_system.h"
#include "user_files/days_calendar.h"

namespace {

using namespace std::chrono;
using enum lunar::UserDayKind;
using enum lunar::UserCalendar;

// Every rule that moves or counts a day, escaping and folding.
// clang-format off
const std::vector<lunar::UserDay> kDays = {
    {"mum", "妈妈生日", Birthday, Lunar, 1963, 4, true, 15, {0, 1, 7}, {}},
    {"eve", "除夕", Yearly, Lunar, {}, 12, false, 30, {}, {}},
    {"kobayashi", "小林生日", Birthday, Gregorian, 1999, 2, false, 29, {}, {}},
    {"ab-1", "A,B;C\\D", Anniversary, Gregorian, 2020, 1, false, 15, {3}, "行一\r\n行二\x01\x7F"},
    {"check", "体检", Once, Gregorian, 2027, 1, false, 15, {0}, "空腹"},
    {"old", "旧事", Once, Lunar, 2020, 4, true, 10, {}, {}},
    {"long", "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十", Yearly,
     Gregorian, {}, 12, false, 31, {}, std::string(150, 'x')}};
// clang-format on
const sys_seconds kStamp = sys_days{2026y / 12 / 7} + 8h + 30min + 5s;

// Every line on its own and the parser's reading: ics_export_check.py.
TEST(DaysExportTest, EachTimeADayFallsInTheComingYearsIsAnEventInDateOrder) {
    const auto text = [&](sys_seconds at) {
        return user_files::DaysCalendarText(kDays, 2026y / 12 / 7, "1.2", at).Text;
    };
    const std::string raw = text(kStamp), x(150, 'x'), name = kDays[6].Name;
    const std::string mum = "妈妈生日（64周岁，当年无闰四月）\r\n";
    const std::string alarm = "END:VALARM\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:" + mum;
    // In this order, each further on than the one before.
    // clang-format off
    const std::string expected[] = {
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Lunadesk//Lunadesk 1.2//ZH\r\n"
        "CALSCALE:GREGORIAN\r\nX-WR-CALNAME:我的日子\r\nBEGIN:VEVENT\r\nUID:old-2020@lunadesk\r\n",
        "UID:eve-2025@lunadesk\r\nDTSTAMP:20261207T083005Z\r\nDTSTART;VALUE=DATE:20260216\r\n"
        "DTEND;VALUE=DATE:20260217\r\nSUMMARY:除夕（本月无三十）\r\nDESCRIPTION:农历腊月三十\r\n",
        "SUMMARY:" + name.substr(0, 66) + "\r\n " + name.substr(66) + "\r\nDESCRIPTION:12月31日\\n" +
        x.substr(0, 51) + "\r\n " + x.substr(0, 74) + "\r\n " + x.substr(0, 25) + "\r\n",
        "SUMMARY:A\\,B\\;C\\\\D（7周年）\r\nDESCRIPTION:1月15日\\n行一\\n行二\r\n",
        "TRIGGER:-P2DT15H\r\nEND:VALARM\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:check-2027@lunadesk\r\n",
        "DTSTART;VALUE=DATE:20270115\r\nDTEND;VALUE=DATE:20270116\r\nSUMMARY:体检\r\n"
        "DESCRIPTION:2027年1月15日\\n空腹\r\n",
        "DTSTART;VALUE=DATE:20270228\r\nDTEND;VALUE=DATE:20270301\r\n"
        "SUMMARY:小林生日（28周岁，当年无2月29日）\r\n",
        "DTSTART;VALUE=DATE:20270520\r\nDTEND;VALUE=DATE:20270521\r\nSUMMARY:" + mum +
        "DESCRIPTION:农历闰四月十五\r\nTRANSP:TRANSPARENT\r\n" + alarm.substr(12) + "TRIGGER:PT9H\r\n" +
        alarm + "TRIGGER:-PT15H\r\n" + alarm + "TRIGGER:-P6DT15H\r\nEND:VALARM\r\nEND:VEVENT\r\n",
        "END:VEVENT\r\nEND:VCALENDAR\r\n"};
    // clang-format on
    std::size_t at = 0;
    for (const std::string& part : expected) {
        ASSERT_NE(at = raw.find(part, at), std::string::npos) << part;
    }
    EXPECT_TRUE(raw.ends_with(expected[8]) && raw.find("RRULE") == std::string::npos);
    // The same again (the same uids, the same order); none past 2099.
    EXPECT_EQ(text(kStamp), raw);
    EXPECT_EQ(user_files::DaysCalendarText({kDays[6]}, 2095y / 3 / 1, "", kStamp).Events, 5u);
}

struct FailingFiles final : platform::UserFileStore {
    platform::FileRead Read(const std::string&, std::size_t) override { return {}; }
    std::string Replace(const std::string&, std::string_view, const std::string&) override {
        return "替换文件失败（错误5）";
    }
    std::string Rename(const std::string&, const std::string&) override { return "x"; }
};

// The file written stays in LUNADESK_EXPORT_FOLDER when that is set, for the parser to read.
TEST(DaysExportTest, TheDialogIsAskedForACalendarFileAndTheStatusSaysWhatBecameOfIt) {
    ui::HeadlessWindowSystem system;
    ui::Form form(system, "frmdays", "我的日子", 6000, 4000, 0);
    form.Show();
    const char* folder = std::getenv("LUNADESK_EXPORT_FOLDER");
    const std::string path = (folder ? folder + std::string("/") : testing::TempDir()) + "日子.ics";
    const std::string failed = "无法打开保存对话框（错误12291）",
                      written = "已导出57个事件到 " + path;
    FailingFiles failing;
    platform::UserFileStore& disk = platform::SystemUserFiles();
    // clang-format off
    const std::tuple<ui::SaveFileAnswer, platform::UserFileStore*, std::optional<std::string>> cases[] = {
        {{}, &failing, std::nullopt}, {{std::nullopt, failed}, &failing, "未导出：" + failed},
        {{"Q:/a.ics", ""}, &failing, "未能导出到 Q:/a.ics：替换文件失败（错误5）"},
        {{path, ""}, &disk, written}, {{path, ""}, &disk, written}};  // the second over the first
    const std::vector<std::string> asked = {"SaveFile frmdays 我的日子.ics | iCalendar (*.ics) | .ics | ask before overwriting"};
    // clang-format on
    const auto exportTo = [&](const std::vector<lunar::UserDay>& days,
                              platform::UserFileStore& to) {
        system.ClearCalls();
        return user_files::ExportDays(days, 2026y / 12 / 7, "1", kStamp, system, form, to);
    };
    for (const auto& [answer, files, status] : cases) {
        system.SetSaveFileAnswer(answer);
        EXPECT_EQ(exportTo(kDays, *files), status);
        EXPECT_EQ(system.Calls(), asked);
    }
    EXPECT_TRUE(disk.Read(path, 1 << 20).Bytes.starts_with("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_EQ(exportTo({}, disk), "没有可导出的日子");
    EXPECT_TRUE(system.Calls().empty());
}

}  // namespace
