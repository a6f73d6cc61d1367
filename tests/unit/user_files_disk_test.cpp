// The user's files on a real disk: links passed over, long paths, a linked folder above.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "lunar/lunar.h"
#include "user_files/startup_files.h"

namespace {

namespace fs = std::filesystem;

class UserFilesDiskTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/lunadesk-user-files-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        top_ = pattern;
    }
    void TearDown() override { fs::remove_all(top_); }

    static void Write(const fs::path& file, const std::string& content) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
    }
    static std::string Notice(int year, const std::string& date, const std::string& name) {
        return R"({"year": )" + std::to_string(year) + R"(, "days": [{"name": ")" + name +
               R"(", "date": ")" + date + R"(", "isOffDay": true}]})";
    }
    user_files::StartupFiles Read(const fs::path& root) const {
        return user_files::ReadStartupFiles(platform::SystemFileAccess(), root.string());
    }

    fs::path top_;
};

// The folder sits more than 260 characters deep and is reached through a link standing in for
// a junctioned %APPDATA%; in it, a link, a folder and a pipe named like notices are passed
// over, a faulty file is said, and the valid ones replace their years.
TEST_F(UserFilesDiskTest, ReadsThroughALinkedLongPathAndPassesOverLinksInside) {
    const fs::path deep =
        top_ / std::string(100, 'a') / std::string(100, 'b') / std::string(100, 'c');
    const fs::path holidays = deep / "holidays";
    Write(holidays / "2027.json", Notice(2027, "2027-01-04", "元旦"));
    Write(holidays / "2026.json", Notice(2026, "2026-02-30", "x"));
    Write(top_ / "elsewhere" / "2028.json", Notice(2028, "2028-01-03", "元旦"));
    fs::create_symlink(top_ / "elsewhere" / "2028.json", holidays / "2028.json");
    fs::create_directory(holidays / "x.json");
    ASSERT_EQ(::mkfifo((holidays / "pipe.json").c_str(), 0600), 0);
    fs::create_directory_symlink(deep, top_ / "appdata");
    ASSERT_GT(holidays.string().size(), 260u);

    const user_files::StartupFiles files = Read(top_ / "appdata");
    EXPECT_EQ(lunar::DayTip(2027, 1, 4, *files.Holidays), "冬月廿七 休（元旦）");
    EXPECT_FALSE(files.Holidays->Knows(2028));
    EXPECT_EQ(lunar::DayTip(2026, 1, 1, *files.Holidays), "冬月十三 元旦 休");
    EXPECT_EQ(files.Faults,
              (std::vector<std::string>{"holidays\\2026.json：第1项：日期不存在（2026-02-30）",
                                        "holidays\\pipe.json：无法读取"}));
    EXPECT_TRUE(files.LeftOut.empty());
    // The stamp a minute's look compares: none for no file, another for each write.
    const platform::SystemFileAccess disk;
    EXPECT_FALSE(disk.Stamp(deep.string(), "days.json"));
    Write(deep / "days.json", "{}");
    const auto first = disk.Stamp((top_ / "appdata").string(), "days.json");
    fs::last_write_time(deep / "days.json",
                        fs::last_write_time(deep / "days.json") + std::chrono::seconds{2});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Size, 2u);
    EXPECT_NE(disk.Stamp(deep.string(), "days.json"), first);

    const user_files::StartupFiles none = Read(top_ / "none");
    EXPECT_FALSE(none.Holidays->Knows(2027));
    EXPECT_TRUE(none.Faults.empty());
    EXPECT_FALSE(Read("").Holidays->Knows(2027));
}

}  // namespace
