// The user's notice files: what replaces or adds a year, and every fault that leaves a file out.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "lunar/lunar.h"
#include "user_files/holiday_folder.h"

namespace {

namespace fs = std::filesystem;

class HolidayFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/lunadesk-holidays-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const std::string& content) {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
    lunar::HolidaySchedule Load() const { return LoadHolidaySchedule(folder_.string()); }

    fs::path folder_;
};

std::string Notice(const std::string& year, const std::string& days) {
    return R"({"year": )" + year + R"(, "papers": ["https://example.org/n"], "days": [)" + days +
           "]}";
}

std::string Day(const std::string& date, const std::string& name = R"("测试")",
                const std::string& off = "true") {
    return R"({"name": )" + name + R"(, "date": ")" + date + R"(", "isOffDay": )" + off + "}";
}

// A 2026 notice naming only 5 January replaces all of the built-in 2026; a 2027 notice adds a
// year; of two files for one year the one whose name sorts last stays; where two notices name
// one day, the later notice's word counts whichever came from a file.
TEST_F(HolidayFolderTest, ValidFilesReplaceTheirYearAndAddNewYears) {
    Write("2026.json",
          Notice("2026", Day("2026-01-05") + "," + Day("2025-12-06", R"("x")", "false")));
    Write("a-2027.json", Notice("2027", Day("2027-01-01", R"("元旦")")));
    Write("b-2027.JSON", Notice("2027", Day("2027-01-02", R"("元旦")") + "," +
                                            Day("2026-12-31", R"("元旦")", "false")));
    Write("2018.json", Notice("2018", Day("2018-12-29", R"("早")")));
    Write("2027.txt", Notice("2027", Day("2027-01-03")));
    Write("2099.json", Notice("2099", Day("2099-09-29")));  // 9 in every place it can stand
    const lunar::HolidaySchedule schedule = Load();
    EXPECT_EQ(schedule.On(2026, 1, 1).Status, lunar::DayStatus::None);
    EXPECT_EQ(lunar::DayTip(2026, 1, 5, schedule), "冬月十七 小寒 休（测试）");
    EXPECT_EQ(lunar::DayTip(2025, 12, 6, schedule), "十月十七 班（x）");
    EXPECT_EQ(schedule.On(2027, 1, 1).Status, lunar::DayStatus::None);
    EXPECT_EQ(lunar::DayTip(2027, 1, 2, schedule), "冬月廿五 休（元旦）");
    EXPECT_EQ(lunar::DayTip(2026, 12, 31, schedule), "冬月廿三 二九 班（元旦）");
    EXPECT_EQ(schedule.On(2027, 1, 3).Status, lunar::DayStatus::None);
    EXPECT_EQ(lunar::DayTip(2018, 12, 29, schedule), "冬月廿三 班（元旦）");  // 2019's notice
    EXPECT_TRUE(schedule.Knows(2027));
    EXPECT_EQ(schedule.On(2099, 9, 29).Status, lunar::DayStatus::Off);
    EXPECT_EQ(lunar::DayTip(2026, 2, 17), "正月初一 春节 休");  // the built-in one unchanged
}

// Each file holds one fault in a notice that would otherwise replace 2026: each is left out
// whole, so 1 January keeps its built-in 元旦.
TEST_F(HolidayFolderTest, AFileWithAnyFaultIsIgnoredWhole) {
    const std::string good = Day("2026-01-05");
    const std::string faults[] = {
        "{\"year\": 2026, \"days\": [" + good,  // cut short
        "[" + Notice("2026", good) + "]",
        Notice("\"2026\"", good),
        Notice("2026.0", good),
        Notice("2006", Day("2006-01-05")),
        Notice("2100", Day("2100-01-05")),
        Notice("2026", ""),
        R"({"year": 2026})",
        R"({"year": 2026, "days": {"date": "2026-01-05"}})",
        R"({"year": 2026, "papers": "https://example.org", "days": [)" + good + "]}",
        R"({"year": 2026, "papers": [1], "days": [)" + good + "]}",
        Notice("2026", good + ", 7"),
        Notice("2026", R"({"date": "2026-01-06", "isOffDay": true})"),
        Notice("2026", Day("2026-01-06", "7")),
        Notice("2026", Day("2026-01-06", R"("")")),
        Notice("2026", Day("2026-01-06", '"' + std::string(65, 'x') + '"')),
        Notice("2026", Day("2026-01-06", R"("元\u0007旦")")),
        Notice("2026", Day("2026-01-06", R"("元\u0085旦")")),
        Notice("2026", Day("2026-01-06", R"("元旦\n")")),
        Notice("2026", R"({"name": "元旦", "isOffDay": true})"),
        Notice("2026", Day("2026-02-29")),
        Notice("2026", Day("2026-1-05")),
        Notice("2026", Day("２０２６-01-05")),
        Notice("2026", Day("2025-11-30")),
        Notice("2026", Day("2027-01-01")),
        Notice("2026", good + "," + Day("2026-01-05", R"("又")", "false")),
        Notice("2026", R"({"name": "元旦", "date": "2026-01-06"})"),
        Notice("2026", Day("2026-01-06", R"("元旦")", R"("true")")),
        Notice("2026", Day("2026-01-06", R"("元旦")", "1")),
        Notice("2026", good) + "x",
        std::string("{\"year\": 2026, \"days\": [") + good + "]} \xff",
        Notice("2026", good) + std::string(kLargestNoticeFile, ' '),
        std::string(200000, '[') + std::string(200000, ']'),
        ""};
    for (std::size_t i = 0; i < std::size(faults); ++i) {
        Write("fault.json", faults[i]);
        EXPECT_EQ(lunar::DayTip(2026, 1, 1, Load()), "冬月十三 元旦 休") << "fault " << i;
    }
    // The same notice without a fault, with a name of 64 bytes, is taken.
    Write("fault.json", Notice("2026", Day("2026-01-05", '"' + std::string(64, 'x') + '"')));
    EXPECT_EQ(Load().On(2026, 1, 1).Status, lunar::DayStatus::None);
}

// A folder named like a notice, a pipe no one writes to, a missing folder: passed over at once.
TEST_F(HolidayFolderTest, NothingButRegularFilesIsRead) {
    fs::create_directory(folder_ / "x.json");
    ASSERT_EQ(::mkfifo((folder_ / "pipe.json").c_str(), 0600), 0);
    Write("y.json", Notice("2027", Day("2027-01-04")));
    EXPECT_EQ(lunar::DayTip(2027, 1, 4, Load()), "冬月廿七 休（测试）");
    EXPECT_FALSE(LoadHolidaySchedule((folder_ / "none").string()).Knows(2027));
    EXPECT_FALSE(LoadHolidaySchedule("").Knows(2027));
}

}  // namespace
