// The strict reading every file of the user's goes through; each file's own tests check that
// its parser refuses a NUL, trailing text and a key given twice with it.
#include <gtest/gtest.h>

#include <string>

#include "user_files/file_fault.h"
#include "user_files/strict_json.h"

TEST(StrictJson, KeysTwiceInAnyObjectAndThePlaceOfAFault) {
    const struct {
        std::string text;
        std::string fault;  // empty: read
    } cases[] = {
        {R"({"d": [{"k": 1}, {"k": 2, "k": 3}]})", "键“k”出现两次"},
        {R"({"k": {"k": 1}, "j": {"k": 2}})", ""},
        {"{\"名\": 1,\n  x}", "不是有效的JSON（第2行第3列）"},
        {"\"\xFF\"", "不是有效的JSON（第1行第2列）"},
    };
    for (const auto& c : cases) {
        const auto read = user_files::ParseStrictJson(c.text);
        EXPECT_EQ(std::pair(read.Fault, read.Value.has_value()),
                  std::pair(c.fault, c.fault.empty()))
            << c.text;
    }
    // The file's order of keys stays.
    EXPECT_EQ(user_files::ParseStrictJson(R"({"z": 1, "a": 2})").Value->dump(), R"({"z":1,"a":2})");
    EXPECT_EQ(user_files::CharacterCount("妈妈生日ab"), 6u);
}
