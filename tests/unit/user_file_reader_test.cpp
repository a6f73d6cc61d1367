// The reader of the user's files: its limits, the reparse rule and the encodings, through its
// seam (an in-memory disk), so the same cases run natively and under Wine.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "user_files/file_reader.h"
#include "user_files/holiday_folder.h"
#include "user_files/text_decoding.h"

namespace {

using platform::FileBytes;

class MemoryDisk final : public platform::FileAccess {
  public:
    void Put(const std::string& name, std::string bytes, bool reparse = false) {
        files_[name] = {std::move(bytes), reparse};
    }
    std::vector<platform::FolderEntry> Entries(const std::string& folder) const override {
        std::vector<platform::FolderEntry> entries;
        for (const auto& [name, file] : files_) {
            if (folder == kFolder && name.find('\\') == std::string::npos) {
                entries.push_back({name, file.first.size(), file.second});
            }
        }
        return entries;
    }
    FileBytes Read(const std::string& folder, const std::string& name,
                   std::size_t maxBytes) const override {
        ++reads;
        const auto found = files_.find(folder == kFolder ? name : "root\\" + name);
        if (found == files_.end()) {
            return {FileBytes::Outcome::Missing, {}};
        }
        if (found->second.first.size() > maxBytes) {
            return {FileBytes::Outcome::TooLarge, {}};
        }
        return {FileBytes::Outcome::Read, found->second.first};
    }
    std::optional<platform::FileStamp> Stamp(const std::string&,
                                             const std::string&) const override {
        return std::nullopt;
    }
    mutable int reads = 0;
#ifdef _WIN32
    static constexpr const char* kFolder = "R\\holidays";
#else
    static constexpr const char* kFolder = "R/holidays";
#endif

  private:
    std::map<std::string, std::pair<std::string, bool>> files_;
};

user_files::ReadRequest Request() {
    user_files::ReadRequest request = user_files::HolidayRequest("R");
    request.Files = {{"days.json", 100}, {"absent.json", 100}};
    return request;
}

std::string Name(int i) {
    return std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i) + ".json";
}

// The newest files (by name) are read up to 64 and 4 MiB; links, other names and files too
// large are passed over, the last two said as faults.
TEST(UserFileReader, ReadsTheLastFilesWithinItsLimits) {
    const struct {
        int files;
        std::size_t size;
        std::size_t read;  // the files read, the last in name order
        std::size_t leftOut;
    } cases[] = {{200, 26 * 1024, 64, 136},
                 {20, 250 * 1024, 16, 4},
                 {17, 256 * 1024, 16, 1},
                 {64, 1024, 64, 0}};
    for (const auto& c : cases) {
        MemoryDisk disk;
        for (int i = 0; i < c.files; ++i) {
            disk.Put(Name(i), std::string(c.size, 'x'));
        }
        const user_files::FilesRead read = user_files::ReadUserFiles(disk, Request());
        ASSERT_EQ(read.Texts.size(), c.read) << c.files;
        EXPECT_EQ(read.Texts.front().File, "holidays\\" + Name(c.files - static_cast<int>(c.read)));
        EXPECT_EQ(read.Texts.back().File, "holidays\\" + Name(c.files - 1));
        EXPECT_EQ(read.LeftOut, c.leftOut);
        EXPECT_EQ(disk.reads, static_cast<int>(c.read) + 2);
    }
    MemoryDisk disk;
    disk.Put("a.json", "{}");
    disk.Put("b.json", "{}", true);
    disk.Put("c.txt", "{}");
    disk.Put("d.JSON", std::string(256 * 1024 + 1, ' '));
    disk.Put("root\\days.json", "[]");
    const user_files::FilesRead read = user_files::ReadUserFiles(disk, Request());
    ASSERT_EQ(read.Texts.size(), 2u);
    EXPECT_EQ(read.Texts[0].File, "holidays\\a.json");
    EXPECT_EQ(read.Texts[1].File, "days.json");
    ASSERT_EQ(read.Faults.size(), 1u);
    EXPECT_EQ(user_files::FaultText(read.Faults[0]), "holidays\\d.JSON：文件大于256 KiB");
    EXPECT_EQ(read.LeftOut, 0u);
    EXPECT_EQ(user_files::LeftOutText(3), "另有3个文件未读取（只读最后64个、共4 MiB）");
}

// One notice in every encoding an editor saves, and bytes that are none of them.
TEST(UserFileReader, DecodesEveryEncodingAndSaysWhenNoneFits) {
    using namespace std::string_literals;
    const std::string utf8 = "{\"名\":\"元旦\"}";
    const std::string utf16le = "{\0\"\0\x0D\x54\"\0:\0\"\0\x43\x51\xE6\x65\"\0}\0"s;
    std::string utf16be;
    for (std::size_t i = 0; i < utf16le.size(); i += 2) {
        utf16be += utf16le.substr(i + 1, 1) + utf16le.substr(i, 1);
    }
    const std::string undecodable = "编码无法识别（应为UTF-8、UTF-16或GBK）";
    const struct {
        std::string bytes;
        std::string text;  // empty: the fault
    } cases[] = {
        {utf8, utf8},
        {"\xEF\xBB\xBF" + utf8, utf8},
        {"\xFF\xFE" + utf16le, utf8},
        {"\xFE\xFF" + utf16be, utf8},
        {"{\"\xC3\xFB\":\"\xD4\xAA\xB5\xA9\"}", utf8},      // code page 936
        {"\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80"},  // a pair of surrogates
        {"\xEF\xBB\xBF{\xFF}", ""},
        {"\xFF\xFE{\0\x00"s, ""},
        {"\xFF\xFE\x00\xD8{\0"s, ""},
        {"\xFE\xFF\xDC\x00\x00{"s, ""},
        {"{\"\xD4\xAA\xB5", ""},
        {"\xED\xA0\x80\x81", ""},      // a surrogate in UTF-8; GBK to its last byte
        {"\xC0\xAF", "\xE8\x9C\xA1"},  // overlong UTF-8, but GBK
        {"\xDF\xBF", "\xDF\xBF"},      // UTF-8 (U+07FF), though GBK too
    };
    for (const auto& c : cases) {
        MemoryDisk disk;
        disk.Put("n.json", c.bytes);
        const user_files::FilesRead read = user_files::ReadUserFiles(disk, Request());
        if (c.text.empty()) {
            ASSERT_EQ(read.Faults.size(), 1u) << c.bytes;
            EXPECT_EQ(user_files::FaultText(read.Faults[0]), "holidays\\n.json：" + undecodable);
        } else {
            ASSERT_EQ(read.Texts.size(), 1u) << c.bytes;
            EXPECT_EQ(read.Texts[0].Text, c.text);
        }
    }
}

}  // namespace
