// days.json: every fault refusing the whole file, the rewrite keeping what the user wrote, and
// writes that fail, race with another editor or meet a broken file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "tests/unit/memory_user_files.h"
#include "user_files/days_file.h"

namespace {

using user_files::DaysFile;
using user_files::ParseDaysFile;

std::string Fault(const std::string& text) {
    const auto read = ParseDaysFile(text);
    return read.Fault ? user_files::FaultText(*read.Fault) : "";
}

// A file of a good day and a lunar birthday with `patch` laid over it (null removes a key).
std::string WithSecond(const std::string& patch) {
    auto second = nlohmann::ordered_json::parse(
        R"({"id": "b", "name": "乙", "kind": "birthday", "calendar": "lunar", "month": 4, "day": 15})");
    second.merge_patch(nlohmann::ordered_json::parse(patch));
    return R"({"days": [{"id": "a", "name": "甲", "kind": "yearly", "calendar": "lunar", "month": 1, "day": 1}, )" +
           second.dump() + "]}";
}

TEST(DaysFile, EveryFaultRefusesTheWholeFileWithItsReason) {
    const std::string x41(41, 'x');
    const struct {
        std::string Patch, Fault;  // the second day's fault, "" for none
    } items[] = {
        {"{}", ""},
        {"3", "应为一个对象"},
        {R"({"id": "b c"})", "“id”应为1到64个字母、数字或“-”"},
        {R"({"id": ")" + std::string(65, 'x') + "\"}", "“id”应为1到64个字母、数字或“-”"},
        {R"({"id": "a"})", "“id”与前面的一项相同"},
        {R"({"name": ""})", "“name”应为1到40个字符"},
        {R"({"name": ")" + x41 + "\"}", "“name”应为1到40个字符"},
        {R"({"name": "a\tb"})", "“name”含有控制字符"},
        {R"({"kind": "Birthday"})", "“kind”应为birthday、anniversary、yearly或once"},
        {R"({"calendar": "julian"})", "“calendar”应为lunar或gregorian"},
        {R"({"year": 1899})", "“year”应为1900到2099的整数"},
        {R"({"kind": "once"})", "once的日子缺少“year”"},
        {R"({"month": 13})", "“month”应为1到12的整数"},
        {R"({"month": 4.0})", "“month”应为1到12的整数"},
        {R"({"leap": 1})", "“leap”应为true或false"},
        {R"({"day": 31})", "“day”应为1到30的整数"},
        {R"({"remind": [0, 1, 2, 3, 4]})", "“remind”应为至多4个不同的0到30的整数"},
        {R"({"remind": [3, 3]})", "“remind”应为至多4个不同的0到30的整数"},
        {R"({"remind": [31]})", "“remind”应为至多4个不同的0到30的整数"},
        {R"({"note": ")" + std::string(201, 'x') + "\"}", "“note”应为至多200个字符的文字"},
        // Dates: the leap month must be that year's; a one-off 三十 must exist.
        {R"({"year": 2023, "leap": true})", "日期不存在（农历2023年无闰四月）"},
        {R"({"year": 1963, "leap": true, "day": 30})", ""},
        {R"({"year": 1910, "leap": true, "day": 30})", ""},
        {R"({"kind": "once", "year": 2026, "day": 30})", "日期不存在（农历2026年四月无三十）"},
        {R"({"kind": "once", "year": 2099, "month": 12})", "日期超出1922-01-01至2099-12-31"},
        {R"({"kind": "once", "calendar": "gregorian", "year": 1921, "month": 12})",
         "日期超出1922-01-01至2099-12-31"},
        {R"({"kind": "yearly", "calendar": "gregorian", "month": 2, "day": 29})", ""},
        {R"({"calendar": "gregorian", "year": 2001, "month": 2, "day": 29})",
         "日期不存在（2001-02-29）"},
        {R"({"calendar": "gregorian", "day": 31})", "日期不存在（04-31）"},
        {R"({"calendar": "gregorian", "leap": true})", "公历日期没有闰月（“leap”）"},
    };
    for (const auto& c : items) {
        EXPECT_EQ(Fault(WithSecond(c.Patch)), c.Fault.empty() ? "" : "days.json：第2项：" + c.Fault)
            << c.Patch;
    }
    EXPECT_EQ(Fault("\xEF\xBB\xBF" + WithSecond("{}")), "");
    const struct {
        std::string Text, Fault;
    } files[] = {
        {"{\"days\": []}\n x", "不是有效的JSON（第2行第2列）"},
        {std::string("{\"days\": []}\0", 13), "含有NUL字符"},
        {R"({"days": {}})", "缺少“days”列表"},
        {R"({"days": [], "days": []})", "键“days”出现两次"},
    };
    for (const auto& c : files) {
        EXPECT_EQ(Fault(c.Text), "days.json：" + c.Fault) << c.Text;
    }
}

TEST(DaysFile, ReadsTypedValuesAndRewritesKeepingOrderAndUnknownFields) {
    const std::string text =
        R"({"version": 1, "days": [{"day": 15, "leap": true, "id": "2b1e6c0a", "name": "妈妈生日", "kind": "birthday", "calendar": "lunar", "year": 1963, "month": 4, "remind": [0, 3], "colour": "red"}, )"
        R"({"id": "e81f", "name": "体检", "kind": "once", "calendar": "gregorian", "year": 2027, "month": 1, "day": 15, "note": "空腹"}]})";
    auto read = ParseDaysFile(text);
    ASSERT_FALSE(read.Fault);
    // The typed values show in the rewrite, which writes them back in the user's order.
    EXPECT_EQ(read.File.Days[1].Day.Note, "空腹");
    read.File.Days[0].Day.Name = "母亲生日";
    read.File.Days[1].Day.Note.reset();
    EXPECT_EQ(
        user_files::DaysFileText(read.File),
        "{\"days\": [\n"
        R"(  {"day":15,"leap":true,"id":"2b1e6c0a","name":"母亲生日","kind":"birthday","calendar":"lunar","year":1963,"month":4,"remind":[0,3],"colour":"red"},)"
        "\n"
        R"(  {"id":"e81f","name":"体检","kind":"once","calendar":"gregorian","year":2027,"month":1,"day":15})"
        "\n],\n\"version\": 1}\n");
}

TEST(DaysFile, LimitsOfSizeAndCount) {
    EXPECT_EQ(Fault(tests::ManyDays(1001)), "days.json：多于1000个日子");
    EXPECT_EQ(Fault(tests::ManyDays(1000)), "");
    const std::string padded = R"({"days": []})";
    const std::string exact =
        padded + std::string(user_files::kLargestDaysFile - padded.size(), ' ');
    EXPECT_EQ(Fault(exact), "");
    EXPECT_EQ(Fault(exact + " "), "days.json：文件大于1 MiB");
}

class DaysWriteTest : public ::testing::Test {
  protected:
    static constexpr const char* kPath = "/u/days.json";
    std::string DayJson(const std::string& id, const std::string& name) {
        return R"({"id": ")" + id + R"(", "name": ")" + name +
               R"(", "kind": "yearly", "calendar": "gregorian", "month": 5, "day": 20})";
    }
    std::string FileOf(const std::string& days) { return "{\"days\": [" + days + "]}"; }
    // Loads, renames day `id` to `name`, writes.
    user_files::DaysWrite Rename(
        const std::string& id, const std::string& name,
        const std::function<void()>& meanwhile = [] {}) {
        auto load = user_files::LoadDays(files, "/u");
        for (auto& stored : load.File.Days) {
            if (stored.Day.Id == id) {
                stored.Day.Name = name;
            }
        }
        meanwhile();
        return user_files::WriteDays(files, "/u", load.Bytes, load.File);
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& day : user_files::LoadDays(files, "/u").File.UserDays()) {
            names.push_back(day.Name);
        }
        return names;
    }
    tests::MemoryFiles files;
};

TEST_F(DaysWriteTest, ReplacesKeepingTheOldFileAsBackupOrFailsLeavingBoth) {
    files.files[kPath] = FileOf(DayJson("a", "甲"));
    files.failHalfway = true;
    const auto failed = Rename("a", "乙");
    EXPECT_EQ(failed.Failure, "无法保存days.json：磁盘已满");
    EXPECT_FALSE(failed.Written || files.files.contains("/u/days.json.bak"));
    files.failHalfway = false;
    const auto write = Rename("a", "乙");
    EXPECT_TRUE(write.Written) << write.Failure;
    EXPECT_EQ(files.files["/u/days.json.bak"], FileOf(DayJson("a", "甲")));
    EXPECT_EQ(Names(), std::vector<std::string>{"乙"});
    EXPECT_EQ(write.Bytes, files.files[kPath]);
}

TEST_F(DaysWriteTest, AChangeOnDiskMeanwhileIsMergedById) {
    files.files[kPath] =
        FileOf(DayJson("a", "甲") + "," + DayJson("b", "乙") + "," + DayJson("c", "丙"));
    // Another editor renamed b, removed c and added d since the file was read.
    const auto write = Rename("a", "甲甲", [&] {
        files.files[kPath] =
            FileOf(DayJson("d", "丁") + "," + DayJson("b", "乙乙") + "," + DayJson("a", "甲"));
    });
    EXPECT_TRUE(write.Written) << write.Failure;
    EXPECT_EQ(Names(), (std::vector<std::string>{"丁", "乙乙", "甲甲"}));
}

TEST_F(DaysWriteTest, AFaultyFileOnDiskIsNeverWrittenOver) {
    files.files[kPath] = FileOf(DayJson("a", "甲"));
    const std::string broken = FileOf(DayJson("a", "甲") + "," + DayJson("a", "乙"));
    const auto write = Rename("a", "乙", [&] { files.files[kPath] = broken; });
    EXPECT_FALSE(write.Written);
    EXPECT_EQ(write.Failure, "days.json：第2项：“id”与前面的一项相同");
    EXPECT_EQ(files.files[kPath], broken);
    EXPECT_FALSE(files.files.contains("/u/days.json.bak"));
}

TEST_F(DaysWriteTest, RefusesToWriteWhatTheReaderRefuses) {
    files.files[kPath] = FileOf(DayJson("a", "甲"));
    const auto write = Rename("a", std::string(41, 'x'));
    EXPECT_EQ(write.Failure, "days.json：第1项：“name”应为1到40个字符");
    EXPECT_EQ(Names(), std::vector<std::string>{"甲"});
    // A new file where there was none.
    files.files.clear();
    auto load = user_files::LoadDays(files, "/u");
    EXPECT_FALSE(load.Bytes);
    load.File.Days.push_back({{"x",
                               "新",
                               lunar::UserDayKind::Yearly,
                               lunar::UserCalendar::Lunar,
                               std::nullopt,
                               1,
                               false,
                               1,
                               {},
                               {}}});
    EXPECT_TRUE(user_files::WriteDays(files, "/u", load.Bytes, load.File).Written);
    EXPECT_EQ(Names(), std::vector<std::string>{"新"});
}

}  // namespace

// The system's own files: the first write makes the folders missing (a user new to the program),
// a replace keeps the old file as the backup and leaves no other.
TEST(SystemUserFiles, ReplaceKeepsTheOldFileAsBackup) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() /
        ("lunadesk-days-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const std::string path = (folder / "Lunadesk" / "days.json").string();
    platform::UserFileStore& files = platform::SystemUserFiles();
    EXPECT_FALSE(files.Read(path, 10).Exists);
    EXPECT_EQ(files.Replace(path, "first", path + ".bak"), "");
    EXPECT_EQ(files.Replace(path, "second", path + ".bak"), "");
    EXPECT_EQ(files.Read(path, 10).Bytes, "second");
    EXPECT_EQ(files.Read(path + ".bak", 10).Bytes, "first");
    EXPECT_TRUE(files.Read(path, 5).TooLarge);
    // A rename never takes the place of a file of that name.
    EXPECT_NE(files.Rename(path, path + ".bak"), "");
    EXPECT_EQ(files.Rename(path, path + ".aside"), "");
    EXPECT_EQ(files.Read(path + ".aside", 10).Bytes, "second");
    EXPECT_EQ(files.Read(path + ".bak", 10).Bytes, "first");
    EXPECT_FALSE(files.Read(path, 10).Exists);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "Lunadesk"), fs::directory_iterator()),
              2);
    fs::remove_all(folder);
}
