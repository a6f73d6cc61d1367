// Notice files: every fault that leaves one out, said in words, with the entry it is in.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "user_files/holiday_folder.h"
#include "user_files/holiday_notice.h"

namespace {

std::string Notice(const std::string& year, const std::string& days) {
    return R"({"year": )" + year + R"(, "papers": ["https://example.org/n"], "days": [)" + days +
           "]}";
}

std::string Day(const std::string& date, const std::string& name = R"("测试")",
                const std::string& off = "true") {
    return R"({"name": )" + name + R"(, "date": ")" + date + R"(", "isOffDay": )" + off + "}";
}

// Why the notice is not used, as FaultText gives it after the file's name; empty when used.
std::string FaultOf(const std::string& text) {
    const auto read = user_files::ParseHolidayNotice(text);
    const auto* fault = std::get_if<user_files::FileFault>(&read);
    return fault == nullptr ? "" : user_files::FaultText(*fault);
}

TEST(HolidayNotice, EachFaultIsSaidInWordsWithItsEntry) {
    const std::string good = Day("2026-01-05");
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {Notice("2026", good + "," + Day("2026-01-06", '"' + std::string(64, 'x') + '"')), ""},
        {"{\"year\": 2026, \"days\": [" + good, "：不是有效的JSON（第1行第79列）"},
        {std::string("[").append(Notice("2026", good)).append("]"), "：应为JSON对象"},
        {Notice("\"2026\"", good), "：“year”应为整数"},
        {Notice("2006", Day("2006-01-05")), "：年份应在2007至2099之间（2006）"},
        {Notice("2026", ""), "：“days”应为不空的数组"},
        {R"({"year": 2026, "papers": "x", "days": [)" + good + "]}", "：“papers”应为文本的数组"},
        {Notice("2026", good + ", 7"), "：第2项：应为对象"},
        {Notice("2026", R"({"date": "2026-01-06", "isOffDay": true})"), "：第1项：“name”应为文本"},
        {Notice("2026", Day("2026-01-06", "7")), "：第1项：“name”应为文本"},
        {Notice("2026", Day("2026-01-06", R"("")")), "：第1项：名称为空"},
        {Notice("2026", Day("2026-01-06", '"' + std::string(65, 'x') + '"')),
         "：第1项：名称超过64字节"},
        {Notice("2026", Day("2026-01-06", R"("元\u0007旦")")), "：第1项：名称含有控制字符"},
        {Notice("2026", Day("2026-01-06", R"("元\u0085旦")")), "：第1项：名称含有控制字符"},
        {Notice("2026", R"({"name": "元旦", "isOffDay": true})"), "：第1项：“date”应为文本"},
        {Notice("2026", good + "," + Day("2026-02-29")), "：第2项：日期不存在（2026-02-29）"},
        {Notice("2026", Day("2026-1-05")), "：第1项：日期应写作YYYY-MM-DD（2026-1-05）"},
        {Notice("2026", Day("2025-11-30")),
         "：第1项：日期不在2025-12-01至2026-12-31之间（2025-11-30）"},
        {Notice("2026", Day("2027-01-01")),
         "：第1项：日期不在2025-12-01至2026-12-31之间（2027-01-01）"},
        {Notice("2099", Day("2099-09-29") + "," + Day("2099-09-19")), ""},
        {Notice("2026", good + "," + good), "：第2项：日期重复（2026-01-05）"},
        {Notice("2026", R"({"name": "元旦", "date": "2026-01-06"})"),
         "：第1项：“isOffDay”应为true或false"},
        {Notice("2026", Day("2026-01-06", R"("元旦")", "1")), "：第1项：“isOffDay”应为true或false"},
        {Notice("2026", good) + "x", "：不是有效的JSON（第1行第118列）"},
        {Notice("2026", good) + '\0' + "x", "：含有NUL字符"},
        {Notice("2026", R"({"name": "", "name": "a", "date": "2026-01-06", "isOffDay": true})"),
         "：键“name”出现两次"},
        {std::string(200000, '[') + std::string(200000, ']'), "：应为JSON对象"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FaultOf(c.text), c.fault) << c.text.substr(0, 120);
    }
}

// The first faulty file in name order leads; a valid file of a year replaces the built-in
// year, the later of two counts.
TEST(HolidayNotice, NoticesReadReplaceTheirYearsAndFaultsKeepNameOrder) {
    user_files::FilesRead read;
    read.Texts = {{"holidays\\a-2027.json", Notice("2027", Day("2027-01-01"))},
                  {"holidays\\b-2026.json", Notice("2026", Day("2026-02-30"))},
                  {"holidays\\c-2027.json", Notice("2027", Day("2027-01-02", R"("元旦")"))},
                  {"days.json", Notice("2028", Day("2028-01-02"))}};
    read.Faults = {{"holidays\\a-0.json", 0, "无法读取"}, {"holidays\\z.json", 0, "无法读取"}};
    const user_files::HolidayFiles files = user_files::ApplyNotices(read);
    EXPECT_EQ(files.Schedule.On(2027, 1, 1).Status, lunar::DayStatus::None);
    EXPECT_EQ(files.Schedule.On(2027, 1, 2).Name, "元旦");
    EXPECT_EQ(files.Schedule.On(2026, 1, 1).Name, "元旦");  // built in
    EXPECT_FALSE(files.Schedule.Knows(2028));
    ASSERT_EQ(files.Faults.size(), 3u);
    EXPECT_EQ(user_files::FaultText(files.Faults[0]), "holidays\\a-0.json：无法读取");
    EXPECT_EQ(user_files::FaultText(files.Faults[1]),
              "holidays\\b-2026.json：第1项：日期不存在（2026-02-30）");
}

}  // namespace
