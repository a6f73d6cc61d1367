// The user's files at start: read after the calendar shows, off its thread; the tips and the
// notice line follow when the reading ends, and closing never waits for it.
#include <future>
#include <memory>

#include "calendar_fixture.h"
#include "calendar_window/calendar_files.h"

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
            ++daysReads;
            return {FileBytes::Outcome::Read, days};
        }
        const std::string day = name == "a.json" ? "2027-01-04" : "2027-02-30";
        return {FileBytes::Outcome::Read, R"({"year": 2027, "days": [{"name": "元旦", "date": ")" +
                                              day + R"(", "isOffDay": true}]})"};
    }
    std::optional<platform::FileStamp> Stamp(const std::string&,
                                             const std::string& name) const override {
        return name == "days.json" ? std::optional{platform::FileStamp{0, written}} : std::nullopt;
    }
    std::promise<void> Answer;
    std::string days = R"({"days": [{"id": "a", "name": "体检", "kind": "once",
                "calendar": "gregorian", "year": 2027, "month": 1, "day": 4}]})";
    std::int64_t written = 1;
    mutable int daysReads = 0;

  private:
    std::promise<void>& gone_;
    std::shared_future<void> answer_ = Answer.get_future().share();
};

class UserFilesAtStart : public CalendarTest {
  protected:
    ~UserFilesAtStart() override { cal.reset(); }  // before the files it points into
    void StartReading(ui::WindowSystem& system) {
        auto disk = std::make_shared<StalledDisk>(gone);
        this->disk = disk.get();
        files = std::make_unique<CalendarFiles>(system, disk, "R");
        files->ReadLater(*cal);
    }
    std::promise<void> gone;
    StalledDisk* disk = nullptr;
    std::unique_ptr<CalendarFiles> files;
};

TEST_F(UserFilesAtStart, AStalledReadingKeepsNothingWaitingAndTheTipsFollowIt) {
    Put("view", "1");
    StartOn(2027y / January / 4d);
    StartReading(windows);
    EXPECT_TRUE(windows.NativeVisible(*cal));
    EXPECT_FALSE(windows.FinishBackgroundWork(20ms));
    EXPECT_EQ(cal->lblnotice.Caption(), "2027年放假安排未收录");
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "冬月廿七");
    disk->Answer.set_value();
    ASSERT_TRUE(windows.FinishBackgroundWork(60s));
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "冬月廿七 休（元旦） 体检");
    EXPECT_TRUE(cal->grdmonth.Cell(7).Noted);
    const std::string fault = "holidays\\b.json：第1项：日期不存在（2027-02-30）";
    EXPECT_EQ(cal->FileFaults(), std::vector<std::string>{fault});
    EXPECT_EQ(cal->lblnotice.Caption(), fault);
    EXPECT_EQ(cal->Accessible(cal->lblnotice).Description, fault);
    EXPECT_EQ(cal->FileFaultBalloonText(), fault);
    // The minute tick looks at days.json: read again only when its stamp changed, taken when
    // what it says changed, its fault put first and replaced by the next.
    // Each tick's look ends before the next.
    const auto tick = [&] {
        windows.TickTimers();
        ASSERT_TRUE(windows.FinishBackgroundWork(60s));
    };
    tick();
    tick();
    EXPECT_EQ(disk->daysReads, 2);  // at start, and at the first look, which has no stamp yet
    disk->days = "{";               // under the same stamp: not looked at
    tick();
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "冬月廿七 休（元旦） 体检");
    disk->written = 2;
    tick();
    const std::string daysFault = "days.json：不是有效的JSON（第1行第2列）";
    EXPECT_EQ(cal->FileFaults(), (Names{daysFault, fault}));
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "冬月廿七 休（元旦）");
    EXPECT_FALSE(cal->grdmonth.Cell(7).Noted);
    disk->days = R"({"days": [{"id": "b", "name": "年检", "kind": "yearly",
                "calendar": "gregorian", "month": 1, "day": 4}]})";
    disk->written = 3;
    tick();
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "冬月廿七 休（元旦） 年检");
    EXPECT_EQ(cal->FileFaults(), Names{fault});
    EXPECT_EQ(disk->daysReads, 4);
    cal->SetDaysFault(daysFault);
    cal->SetFilesLeftOut("另有3个文件未读取");
    ChooseYear(2030);
    EXPECT_EQ(cal->lblnotice.Caption(), daysFault + "；另有3个文件未读取；2030年放假安排未收录");
    EXPECT_EQ(cal->lblnotice.ToolTip(), daysFault + "\n另有3个文件未读取\n2030年放假安排未收录");
    EXPECT_EQ(cal->FileFaultBalloonText(), daysFault + "\n另有1个文件未使用");
    cal->SetMonthView(false);
    EXPECT_FALSE(cal->lblnotice.Visible());
    cal->SetMonthView(true);
    EXPECT_TRUE(cal->lblnotice.Visible());
}

// Closed while the disk does not answer: nothing waits, and the answer that comes after is
// dropped, never handed to a calendar that is gone.
TEST_F(UserFilesAtStart, ClosingDuringAStalledReadingDropsItsResult) {
    auto system = std::make_unique<ui::HeadlessWindowSystem>();
    Start();
    StartReading(*system);
    system.reset();
    files.reset();
    disk->Answer.set_value();
    EXPECT_EQ(gone.get_future().wait_for(60s), std::future_status::ready);
    EXPECT_TRUE(cal->FileFaults().empty());
}

}  // namespace
}  // namespace calendar_test
