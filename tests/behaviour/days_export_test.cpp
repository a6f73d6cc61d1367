#include "user_files/days_export.h"

#include <gtest/gtest.h>

#include "platform/ui/headless_window_system.h"
#include "tests/unit/sample_days.h"

namespace {

using namespace std::chrono;

// Remembers each write and answers it with the failure it is given.
class StandInFiles final : public platform::UserFileStore {
  public:
    platform::FileRead Read(const std::string&, std::size_t) override { return {}; }
    std::string Replace(const std::string& path, std::string_view bytes,
                        const std::string& backup) override {
        writes.push_back(path + "|" + backup + "|" + std::string(bytes.substr(0, 15)));
        return failure;
    }
    std::vector<std::string> writes;
    std::string failure;
};

TEST(DaysExportTest, TheDialogIsAskedForTheCalendarFileAndTheStatusSaysWhatBecameOfIt) {
    ui::HeadlessWindowSystem system;
    ui::Form form(system, "frmdays", "我的日子", 6000, 4000, 0);
    form.Show();
    struct Case {
        ui::SaveFileAnswer answer;
        std::string writeFailure;
        std::optional<std::string> status;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        {{}, "", std::nullopt, {}},
        {{std::nullopt, "无法打开保存对话框（错误12291）"},
         "",
         "未导出：无法打开保存对话框（错误12291）",
         {}},
        {{"D:\\我的日子.ics", ""},
         "",
         "已导出56个事件到 D:\\我的日子.ics",
         {"D:\\我的日子.ics||BEGIN:VCALENDAR"}},
        {{"E:\\a.ics", ""},
         "替换文件失败（错误5）",
         "未能导出到 E:\\a.ics：替换文件失败（错误5）",
         {"E:\\a.ics||BEGIN:VCALENDAR"}},
    };
    for (const Case& c : cases) {
        StandInFiles files;
        files.failure = c.writeFailure;
        system.ClearCalls();
        system.SetSaveFileAnswer(c.answer);
        EXPECT_EQ(user_files::ExportDays(sample::kExportDays, 2026y / 12 / 7, "1.0",
                                         sys_days{2026y / 12 / 7}, system, form, files),
                  c.status);
        EXPECT_EQ(files.writes, c.writes);
        EXPECT_EQ(system.Calls(), std::vector<std::string>{"SaveFile frmdays 我的日子.ics | "
                                                           "iCalendar (*.ics) | .ics | ask before "
                                                           "overwriting"});
    }
    system.ClearCalls();
    StandInFiles files;
    EXPECT_EQ(user_files::ExportDays({}, 2026y / 12 / 7, "1.0", {}, system, form, files),
              "没有可导出的日子");
    EXPECT_TRUE(system.Calls().empty() && files.writes.empty());
}

}  // namespace
