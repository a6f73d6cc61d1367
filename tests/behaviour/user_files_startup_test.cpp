// The user's files at start: read after the calendar shows, off its thread; the tips and the
// notice line follow when the reading ends, and closing never waits for it.
#include <future>
#include <memory>

#include "calendar_fixture.h"
#include "user_files/startup_files.h"

namespace calendar_test {
namespace {

using namespace std::chrono_literals;
using platform::FileBytes;

// A disk that answers only once the test lets it, as a share that has gone away would not;
// says when the reader has let go of it.
class StalledDisk final : public platform::FileAccess {
  public:
    explicit StalledDisk(std::promise<void>& gone) : gone_(gone) {}
    ~StalledDisk() override { gone_.set_value(); }
    std::vector<platform::FolderEntry> Entries(const std::string&) const override {
        answer_.wait();
        return {{"a.json", 10, false}, {"b.json", 10, false}, {"c.json", 10, true}};
    }
    FileBytes Read(const std::string&, const std::string& name, std::size_t) const override {
        if (name == "days.json") {
            return {FileBytes::Outcome::Read,
                    R"({"days": [{"id": "a", "name": "体检", "kind": "once",
                "calendar": "gregorian", "year": 2027, "month": 1, "day": 4}]})"};
        }
        const std::string day = name == "a.json" ? "2027-01-04" : "2027-02-30";
        return {FileBytes::Outcome::Read, R"({"year": 2027, "days": [{"name": "元旦", "date": ")" +
                                              day + R"(", "isOffDay": true}]})"};
    }
    std::promise<void> Answer;

  private:
    std::promise<void>& gone_;
    std::shared_future<void> answer_ = Answer.get_future().share();
};

class UserFilesAtStart : public CalendarTest {
  protected:
    void StartReading(ui::WindowSystem& system, bool& done) {
        auto disk = std::make_shared<StalledDisk>(gone);
        answer = &disk->Answer;
        user_files::ReadStartupFilesLater(system, disk, "R", [&](user_files::StartupFiles files) {
            done = true;
            read = std::move(files.Holidays);
            cal->SetHolidaySchedule(*read);
            days = std::make_unique<lunar::UserDayIndex>(files.Days.File.UserDays());
            cal->SetUserDays(*days);
            cal->AddFileFaults(files.Faults);
            cal->SetFilesLeftOut(std::move(files.LeftOut));
        });
    }
    std::promise<void> gone;
    std::promise<void>* answer = nullptr;
    std::unique_ptr<lunar::HolidaySchedule> read;
    std::unique_ptr<lunar::UserDayIndex> days;
};

TEST_F(UserFilesAtStart, AStalledReadingKeepsNothingWaitingAndTheTipsFollowIt) {
    Put("view", "1");
    StartOn(2027y / January / 4d);
    bool done = false;
    StartReading(windows, done);
    EXPECT_TRUE(windows.NativeVisible(*cal));
    EXPECT_FALSE(windows.FinishBackgroundWork(20ms));
    EXPECT_EQ(cal->lblnotice.Caption(), "2027年放假安排未收录");
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "冬月廿七");
    answer->set_value();
    ASSERT_TRUE(windows.FinishBackgroundWork(60s));
    EXPECT_TRUE(done);
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "冬月廿七 休（元旦） 体检");
    EXPECT_TRUE(cal->grdmonth.Cell(7).Noted);
    const std::string fault = "holidays\\b.json：第1项：日期不存在（2027-02-30）";
    EXPECT_EQ(cal->FileFaults(), std::vector<std::string>{fault});
    EXPECT_EQ(cal->lblnotice.Caption(), fault);
    EXPECT_EQ(cal->Accessible(cal->lblnotice).Description, fault);
    EXPECT_EQ(cal->FileFaultBalloonText(), fault);
    cal->AddFileFaults({"days.json：不是有效的JSON（第1行第1列）"});
    cal->SetFilesLeftOut("另有3个文件未读取");
    ChooseYear(2030);
    EXPECT_EQ(cal->lblnotice.Caption(), fault + "；另有3个文件未读取；2030年放假安排未收录");
    EXPECT_EQ(cal->lblnotice.ToolTip(), fault + "\n另有3个文件未读取\n2030年放假安排未收录");
    EXPECT_EQ(cal->FileFaultBalloonText(), fault + "\n另有1个文件未使用");
    cal->SetMonthView(false);
    EXPECT_FALSE(cal->lblnotice.Visible());
    cal->SetMonthView(true);
    EXPECT_TRUE(cal->lblnotice.Visible());
    EXPECT_EQ(gone.get_future().wait_for(60s), std::future_status::ready);
}

// Closed while the disk does not answer: nothing waits, and the answer that comes after is
// dropped, never handed to a calendar that is gone.
TEST_F(UserFilesAtStart, ClosingDuringAStalledReadingDropsItsResult) {
    bool done = false;
    auto system = std::make_unique<ui::HeadlessWindowSystem>();
    Start();
    StartReading(*system, done);
    system.reset();
    answer->set_value();
    EXPECT_EQ(gone.get_future().wait_for(60s), std::future_status::ready);
    EXPECT_FALSE(done);
}

}  // namespace
}  // namespace calendar_test
