#include "platform/file_settings_backing.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include "platform/event_epoch.h"
#include "platform/posix/file_io.h"
#include "settings/settings_store.h"

namespace {

namespace fs = std::filesystem;
using platform::FileSettingsBacking;

std::string FileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::set<std::string> Entries(const fs::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class FileSettingsBackingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "lunadesk-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        home = pattern;
    }
    void TearDown() override { fs::remove_all(home); }

    fs::path Directory() const { return home / "lunadesk"; }
    fs::path File() const { return Directory() / "settings.ini"; }
    std::optional<std::string> ReadFresh(const std::string& key) {
        return FileSettingsBacking(home).Read("Lunadesk", "set", key);
    }

    fs::path home;
};

TEST_F(FileSettingsBackingTest, AnyTextPersistsForTheNextBacking) {
    const std::string awkward = "  农历 腊月初八 \\n \\ \r\n[set]\nformX=1\n;#=\\x41 ";
    {
        FileSettingsBacking backing(home);
        EXPECT_EQ(backing.Read("Lunadesk", "set", "formX"), std::nullopt);
        backing.Write("Lunadesk", "set", "formX", "-345");
        backing.Write("Lunadesk", "set", "formX", "13905");
        backing.Write("Lunadesk", "set", "empty", "");
        backing.Write("Lunadesk", "set", "note", awkward);
        backing.Write("Lunadesk", "set", awkward, "key");
        backing.Write("Lunadesk", awkward, "note", "section");
        backing.Write("Lunadesk", "", "note", "unnamed section");
    }
    EXPECT_EQ(ReadFresh("formX"), "13905");
    EXPECT_EQ(ReadFresh("empty"), "");
    EXPECT_EQ(ReadFresh("note"), awkward);
    EXPECT_EQ(ReadFresh(awkward), "key");
    EXPECT_EQ(ReadFresh("formY"), std::nullopt);
    FileSettingsBacking backing(home);
    EXPECT_EQ(backing.Read("Lunadesk", awkward, "note"), "section");
    EXPECT_EQ(backing.Read("Lunadesk", "", "note"), "unnamed section");
    EXPECT_EQ(backing.Read("Lunadesk", "other", "formX"), std::nullopt);
    EXPECT_EQ(backing.Read("Other", "set", "formX"), std::nullopt);
}

TEST_F(FileSettingsBackingTest, WritesAPrivateIniFileAndNothingElse) {
    FileSettingsBacking backing(fs::path(home) / "deep" / "config");
    backing.Write("AZaz", "set", "formX", "1");
    backing.Write("AZaz", "set", "k=[#;]", "v=[#;] 农历");

    // Only a name needs '=', '[', ']', ';' and '#' escaped; a value stays readable.
    const fs::path directory = home / "deep" / "config" / "azaz";
    EXPECT_EQ(FileText(directory / "settings.ini"),
              "[set]\nformX=1\nk\\x3D\\x5B\\x23\\x3B\\x5D=v=[#;] 农历\n");
    EXPECT_EQ(Entries(directory), std::set<std::string>{"settings.ini"});
    struct stat status {};
    ASSERT_EQ(::stat(directory.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat((directory / "settings.ini").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0077, 0u);
}

TEST_F(FileSettingsBackingTest, AHandEditedFileIsUnderstood) {
    fs::create_directories(Directory());
    WriteFile(File(),
              "\xEF\xBB\xBF; saved by an editor\r\n[other]\r\nkeep=this\r\n\r\n"
              "[set]\r\n# colour\r\nformX=-345\r\nsetcol=1\r\nsetcol=33023\r\n"
              "\\x4a\\x4F\\x6A\\x6f\\x30\\x39=hex digits in either case\\x09\r\n");

    EXPECT_EQ(ReadFresh("JOjo09"), "hex digits in either case\t");
    EXPECT_EQ(ReadFresh("formX"), "-345");
    EXPECT_EQ(ReadFresh("setcol"), "33023");

    FileSettingsBacking(home).Write("Lunadesk", "set", "formY", "0");
    EXPECT_EQ(FileSettingsBacking(home).Read("Lunadesk", "other", "keep"), "this");
    EXPECT_EQ(ReadFresh("formX"), "-345");
    EXPECT_EQ(ReadFresh("formY"), "0");
}

TEST_F(FileSettingsBackingTest, AMalformedFileReadsAsEmptyUntilTheNextWrite) {
    fs::create_directories(Directory());
    WriteFile(File(), "[set]\nformX=1\n;" + std::string(1024 * 1024 - 15, ' '));
    EXPECT_EQ(ReadFresh("formX"), "1");
    for (const std::string& malformed : std::vector<std::string>{
             "[set]\nformX=1\nnot a setting\n",
             "formX=1\n[set]\n",
             "[set]\nformX=1\\q\n",
             "[set]\nformX=1\\x4\n",
             "[set]\nformX=1\\x1g\n",
             "[set]\nformX=1\\\n",
             "[set\nformX=1\n",
             // Valid, but more than the 1 MiB a settings file of ours could need.
             "[set]\nformX=1\n;" + std::string(1024 * 1024 - 14, ' '),
         }) {
        SCOPED_TRACE(malformed);
        WriteFile(File(), malformed);

        EXPECT_EQ(ReadFresh("formX"), std::nullopt);
        EXPECT_EQ(FileText(File()), malformed);

        FileSettingsBacking(home).Write("Lunadesk", "set", "formY", "0");
        EXPECT_EQ(ReadFresh("formY"), "0");
        EXPECT_EQ(ReadFresh("formX"), std::nullopt);
    }
}

// A write replaces the file itself, whatever lies beside it or links to it.
TEST_F(FileSettingsBackingTest, ALeftoverTemporaryFileOrALinkIsHarmless) {
    fs::create_directories(Directory());
    fs::create_directories(home / "dotfiles");
    WriteFile(home / "dotfiles" / "lunadesk.ini", "[set]\nformX=1\n");
    fs::create_symlink(home / "dotfiles" / "lunadesk.ini", File());
    // What a crash in the middle of an earlier write leaves behind.
    WriteFile(Directory() / "settings.ini.tmp-Ab3dE9", "[set]\nformX=9");

    EXPECT_EQ(ReadFresh("formX"), "1");
    FileSettingsBacking(home).Write("Lunadesk", "set", "formY", "2");
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(FileText(home / "dotfiles" / "lunadesk.ini"), "[set]\nformX=1\nformY=2\n");
}

TEST_F(FileSettingsBackingTest, AnUnusableLocationHoldsNothingAndRefusesWrites) {
    WriteFile(home / "plain-file", "");
    FileSettingsBacking blocked(home / "plain-file");
    EXPECT_THROW(blocked.Write("Lunadesk", "set", "formX", "1"), std::system_error);
    EXPECT_EQ(blocked.Read("Lunadesk", "set", "formX"), std::nullopt);

    FileSettingsBacking homeless{fs::path()};
    EXPECT_ANY_THROW(homeless.Write("Lunadesk", "set", "formX", "1"));
    EXPECT_EQ(homeless.Read("Lunadesk", "set", "formX"), std::nullopt);

    FileSettingsBacking backing(home);
    for (const char* app : {"", ".", "..", "a/b"}) {
        EXPECT_ANY_THROW(backing.Write(app, "set", "formX", "1")) << app;
    }
    EXPECT_EQ(Entries(home), std::set<std::string>{"plain-file"});

    fs::create_directories(File());  // a directory where the file should be
    EXPECT_ANY_THROW(backing.Write("Lunadesk", "set", "formX", "1"));
    EXPECT_EQ(backing.Read("Lunadesk", "set", "formX"), std::nullopt);
}

// The file is parsed once until the store says a new event began, and read again in the next;
// anything but a regular file is refused at once (opening a FIFO would wait for a writer).
TEST_F(FileSettingsBackingTest, ParsesOncePerEventAndOnlyARegularFile) {
    fs::create_directories(Directory());
    WriteFile(File(), "[set]\nformX=1\n");
    FileSettingsBacking backing(home);
    EXPECT_EQ(backing.Read("Lunadesk", "set", "formX"), "1");
    WriteFile(File(), "[set]\nformX=2\n");
    EXPECT_EQ(backing.Read("Lunadesk", "set", "formX"), "1");
    backing.Forget();
    EXPECT_EQ(backing.Read("Lunadesk", "set", "formX"), "2");
    SettingsStore store(std::make_unique<FileSettingsBacking>(home));
    platform::EventEpoch events;
    store.KeepReadsWithin(events);
    for (const char* value : {"2", "3"}) {
        const platform::EventEpoch::Scope event(events);
        EXPECT_EQ(store.ReadSetting("formX"), value);
        WriteFile(File(), "[set]\nformX=3\n");
    }

    fs::remove(File());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    EXPECT_EQ(ReadFresh("formX"), std::nullopt);
    EXPECT_THROW(FileSettingsBacking(home).Write("Lunadesk", "set", "formX", "1"),
                 std::system_error);
    EXPECT_TRUE(fs::is_fifo(File()));
}

// Sets or unsets an environment variable for one test and restores it afterwards.
struct EnvironmentOverride {
    std::string name;
    const char* before = std::getenv(name.c_str());
    std::optional<std::string> saved = before ? std::optional<std::string>(before) : std::nullopt;
    ~EnvironmentOverride() { saved ? Set(*saved) : Unset(); }
    void Set(const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }
    void Unset() { ::unsetenv(name.c_str()); }
};

TEST_F(FileSettingsBackingTest, TheUsersFileFollowsTheBaseDirectoryRules) {
    EnvironmentOverride configHome{"XDG_CONFIG_HOME"};
    EnvironmentOverride userHome{"HOME"};
    userHome.Set((home / "user").string());

    configHome.Set((home / "config").string());
    EXPECT_EQ(platform::UserConfigHome(), home / "config");
    configHome.Set("");
    EXPECT_EQ(platform::UserConfigHome(), home / "user" / ".config");
    configHome.Set("relative/config");
    EXPECT_EQ(platform::UserConfigHome(), home / "user" / ".config");
    configHome.Unset();
    EXPECT_EQ(platform::UserConfigHome(), home / "user" / ".config");
    userHome.Set("relative");
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_TRUE(account != nullptr && fs::path(account->pw_dir).is_absolute());
    EXPECT_EQ(platform::UserConfigHome(), fs::path(account->pw_dir) / ".config");

    configHome.Set((home / "config").string());
    platform::MakeUserSettingsBacking()->Write("Lunadesk", "set", "formX", "1");
    EXPECT_EQ(FileText(home / "config" / "lunadesk" / "settings.ini"), "[set]\nformX=1\n");
}

// A file the system reports as 0 bytes long may hold text all the same (/proc, some network
// file systems): it is read to its end.
TEST(FileIo, AFileReportedAsEmptyIsReadToItsEnd) {
    struct stat status {};
    ASSERT_EQ(::stat("/proc/self/status", &status), 0);
    ASSERT_EQ(status.st_size, 0);
    const auto whole = platform::posix::ReadWholeFile("/proc/self/status", 1 << 20);
    const auto bounded = platform::posix::ReadRegularFile("/proc/self/status", 1 << 20);
    EXPECT_TRUE(whole && whole->starts_with("Name:"));
    EXPECT_TRUE(bounded.Content.starts_with("Name:"));
}

}  // namespace
