#include <gtest/gtest.h>

#include <string>

#include "user_files/file_fault.h"
#include "user_files/strict_json.h"

using namespace std::string_literals;

TEST(StrictJson, RefusesWhatTheLibraryAloneWouldTakeAndSaysWhere) {
    const struct {
        std::string text;
        std::string fault;  // empty: read
    } cases[] = {
        {R"({"a": [1, {"b": 2}], "c": "日"})", ""},
        {" {} \n", ""},
        {R"({"a": 1})"s + '\0' + "garbage", "含有NUL字符"},
        {"\"a\0b\""s, "含有NUL字符"},
        {R"({"a": 1} {"b": 2})", "不是有效的JSON（第1行第10列）"},
        {"{\"名\": 1,\n  x}", "不是有效的JSON（第2行第3列）"},
        {R"({"name": "", "name": "a"})", "键“name”出现两次"},
        {R"({"d": [{"k": 1}, {"k": 2, "k": 3}]})", "键“k”出现两次"},
        {R"({"k": {"k": 1}, "j": {"k": 2}})", ""},
        {R"({"a": {"b": 1}, "b": 2})", ""},
        {"\"\xFF\"", "不是有效的JSON（第1行第2列）"},
        {"", "不是有效的JSON（第1行第1列）"},
    };
    for (const auto& c : cases) {
        const auto read = user_files::ParseStrictJson(c.text);
        EXPECT_EQ(read.Fault, c.fault) << c.text;
        EXPECT_EQ(read.Value.has_value(), c.fault.empty()) << c.text;
    }
    // The file's order of keys stays.
    EXPECT_EQ(user_files::ParseStrictJson(R"({"z": 1, "a": 2})").Value->dump(), R"({"z":1,"a":2})");
}

TEST(FileFault, OnePatternForEveryFileAndTheTextChecks) {
    EXPECT_EQ(user_files::FaultText({"holidays\\2027.json", 4, "日期不存在（2027-02-30）"}),
              "holidays\\2027.json：第4项：日期不存在（2027-02-30）");
    EXPECT_EQ(user_files::FaultText({"days.json", 0, "含有NUL字符"}), "days.json：含有NUL字符");
    EXPECT_FALSE(user_files::HasControlCharacter("妈妈生日 ok~"));
    for (const std::string bad : {"a\tb", "\x7F", "a\xC2\x85"}) {
        EXPECT_TRUE(user_files::HasControlCharacter(bad)) << bad;
    }
    EXPECT_EQ(user_files::CharacterCount("妈妈生日ab"), 6u);
}
