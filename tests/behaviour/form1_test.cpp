// The settings window, headless: what it shows, what it asks of the calendar window and
// what it stores, in which order.
#include "settings_window/form1.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/memory_run_entry.h"
#include "platform/memory_settings_backing.h"
#include "platform/start_at_log_on.h"
#include "platform/ui/headless_window_system.h"
#include "platform/ui/keys.h"
#include "settings/settings_store.h"

namespace {

using platform::MemorySettingsBacking;
using Entries = std::vector<std::string>;

constexpr const char* kProgram = R"(C:\Users\Ärger\Программы\Ωmega\lunadesk.exe)";
constexpr const char* kStartCommand = R"("C:\Users\Ärger\Программы\Ωmega\lunadesk.exe" /autostart)";

// The calendar window's side. Its journal holds the calls it received, interleaved with
// the store writes made before each, so that a test sees "apply, then store".
class FakeCalendar final : public CalendarOperations {
  public:
    explicit FakeCalendar(const MemorySettingsBacking& memory) : memory_(memory) {}

    void fontRGB1(std::int16_t r, std::int16_t g, std::int16_t b) override {
        Add("fontRGB1", {r, g, b});
    }
    void fontRGB2(std::int16_t r, std::int16_t g, std::int16_t b) override {
        Add("fontRGB2", {r, g, b});
    }
    void setcol(std::int32_t colour) override { Add("setcol", {colour}); }
    void setcol(const std::string& text) override { Add("setcol(\"" + text + "\")"); }
    void Label3_Click() override { Add("Label3_Click"); }
    void TM1(std::int16_t alpha) override { Add("TM1", {alpha}); }
    ui::Rect WindowPlace() const override { return {13905, 0, 2895, 3270}; }
    std::chrono::year_month_day SelectedDate() const override { return {}; }
    bool MonthView() const override { return monthView; }
    void SetMonthView(bool month) override {
        monthView = month;
        Add(month ? "SetMonthView(1)" : "SetMonthView(0)");
    }
    bool monthView = false;

    const Entries& Journal() {
        Add("");
        return journal_;
    }
    // Forgets the calls and the writes made so far.
    void Clear() {
        journal_.clear();
        seenWrites_ = memory_.Writes().size();
    }

  private:
    void Add(std::string name, std::initializer_list<std::int32_t> arguments) {
        char separator = '(';
        for (const std::int32_t argument : arguments) {
            name += separator;
            name += std::to_string(argument);
            separator = ',';
        }
        name += ')';
        Add(name);
    }
    // Logs the writes made since the last call, then the call itself.
    void Add(const std::string& call) {
        for (const auto& writes = memory_.Writes(); seenWrites_ < writes.size(); ++seenWrites_) {
            journal_.push_back(writes[seenWrites_].Key + "=" + writes[seenWrites_].Value);
        }
        if (!call.empty()) {
            journal_.push_back(call);
        }
    }

    const MemorySettingsBacking& memory_;
    Entries journal_;
    std::size_t seenWrites_ = 0;
};

class Form1Test : public ::testing::Test {
  protected:
    // The slider's design value, as a program that has run before may hold it.
    void SetUp() override {
        Put("formbackcol", "150");
        store.KeepReadsWithin(system.Events());
    }
    void Put(const std::string& key, const std::string& value) {
        memory.Put("Lunadesk", "set", key, value);
    }
    // Opens the window afresh, forgetting what happened before.
    void Reopen() {
        form.Unload();
        calendar.Clear();
        form.Show();
    }
    const Entries& Journal() { return calendar.Journal(); }
    // What the transparency row shows.
    void ExpectTransparency(int slider, const char* percent, int grey) {
        EXPECT_EQ(form.HScroll1.Value(), slider);
        EXPECT_EQ(form.Label4.Caption(), percent);
        EXPECT_EQ(form.Shape4.FillColor(), ui::Rgb(grey, grey, grey));
    }

    ui::HeadlessWindowSystem system;
    MemorySettingsBacking memory;
    SettingsStore store{memory};
    FakeCalendar calendar{memory};
    platform::MemoryRunEntry runEntry;
    platform::StartAtLogOn startAtLogOn{runEntry, kProgram};
    Form1 form{system, store, calendar, startAtLogOn};
};

TEST_F(Form1Test, DesignFitsTheWindowAndOrdersTheSwatches) {
    // The menu background of the system scheme.
    EXPECT_EQ(static_cast<std::uint32_t>(form.BackColor()), 0x80000004u);
    for (const ui::Element* element : form.Elements()) {
        // Label6 is designed wider than the room it has; the window clips it.
        const int right =
            element->Name() == "Label6" ? element->Bounds().Left + 375 : element->Bounds().Right();
        EXPECT_LE(right, form.ClientWidth()) << element->Name();
        EXPECT_LE(element->Bounds().Bottom(), form.ClientHeight()) << element->Name();
    }
    // Left to right: red, green, blue, white, yellow, orange, cyan, magenta.
    const std::pair<int, ui::Colour> byPlace[]{
        {0, ui::Rgb(255, 0, 0)},     {1, ui::Rgb(0, 255, 0)},   {2, ui::Rgb(0, 0, 255)},
        {3, ui::Rgb(255, 255, 255)}, {4, ui::Rgb(255, 255, 0)}, {7, ui::Rgb(255, 128, 0)},
        {5, ui::Rgb(0, 255, 255)},   {6, ui::Rgb(255, 0, 255)}};
    for (int place = 0; place < 8; ++place) {
        const ui::PictureBox& swatch = form.Picture1[byPlace[place].first];
        EXPECT_EQ(swatch.Bounds().Left, 120 + 360 * place);
        EXPECT_EQ(swatch.BackColor(), byPlace[place].second) << "swatch " << place;
    }
}

// A stored opacity the slider can hold goes through the slider's handler, which applies
// and stores it; the design value itself runs nothing. Any other value is shown and
// applied but not stored, until the user moves the slider.
TEST_F(Form1Test, OpeningShowsTheStoredOpacity) {
    const struct {
        const char* stored;
        Entries journal;
        int slider;
        const char* percent;
        int grey;
    } cases[] = {
        {"200", {"TM1(200)", "formbackcol=200"}, 200, "78%", 55},
        {"150", {}, 150, "%", 0},
        {"50", {"TM1(50)", "formbackcol=50"}, 50, "19%", 205},
        {"20", {"TM1(50)"}, 50, "19%", 205},  // below the slider's range: what is applied
        {"", {"TM1(200)"}, 200, "78%", 55},
        {"abc", {"TM1(200)"}, 200, "78%", 55},
        {"300", {"TM1(200)"}, 200, "78%", 55},
        {"-5", {"TM1(200)"}, 200, "78%", 55},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Put("formbackcol", c.stored);
        Reopen();
        EXPECT_EQ(Journal(), c.journal);
        ExpectTransparency(c.slider, c.percent, c.grey);
    }
    calendar.Clear();
    form.HScroll1.SetValue(51);
    EXPECT_EQ(Journal(), (Entries{"TM1(51)", "formbackcol=51"}));
}

TEST_F(Form1Test, TheTransparencySliderIsClampedToItsRange) {
    form.Show();
    form.HScroll1.SetValue(0);
    EXPECT_EQ(Journal(), (Entries{"TM1(50)", "formbackcol=50"}));
    ExpectTransparency(50, "19%", 205);
    form.HScroll1.SetValue(1000);
    ExpectTransparency(255, "100%", 0);
    EXPECT_EQ(memory.Writes().back().Value, "255");
    form.HScroll1.SetMax(100);  // a range moved past the value pulls it along
    ExpectTransparency(100, "39%", 155);
    form.HScroll1.SetValue(60);
    form.HScroll1.SetMin(80);
    EXPECT_EQ(form.HScroll1.Value(), 80);
}

TEST_F(Form1Test, ColourSlidersReadTheirWholeGroupAfresh) {
    form.Show();
    form.HScroll2[0].SetValue(100);
    form.HScroll2[2].SetValue(200);
    EXPECT_EQ(Journal(), (Entries{"fontRGB1(155,255,255)", "fontR1=100", "fontG1=0", "fontB1=0",
                                  "fontRGB1(155,255,55)", "fontR1=100", "fontG1=0", "fontB1=200"}));
    const Entries values{form.Label5[0].Caption(), form.Label5[1].Caption(),
                         form.Label5[2].Caption()};
    EXPECT_EQ(values, (Entries{"100", "0", "200"}));
    EXPECT_EQ(form.Shape1[0].FillColor(), ui::Rgb(155, 255, 255));
    EXPECT_EQ(form.Shape1[1].FillColor(), ui::Rgb(255, 255, 255));
    EXPECT_EQ(form.Shape1[2].FillColor(), ui::Rgb(255, 255, 55));
    EXPECT_EQ(form.Label6[0].Caption(), "R:");

    calendar.Clear();
    form.HScroll3[1].SetValue(128);
    EXPECT_EQ(Journal(), (Entries{"fontRGB2(255,127,255)", "fontR2=0", "fontG2=128", "fontB2=0"}));
    EXPECT_EQ(form.Label6[1].Caption(), "128");
    EXPECT_EQ(form.Shape2[1].FillColor(), ui::Rgb(255, 127, 255));
}

TEST_F(Form1Test, SwatchesApplyThenStoreTheSundayColour) {
    Put("setcol", "-1");
    form.Show();
    EXPECT_EQ(form.Shape3.FillColor(), ui::Rgb(0, 0, 255));
    const char* stored[] = {"255",   "65280",    "16711680", "16777215",
                            "65535", "16776960", "16711935", "33023"};
    for (int i = 0; i < 8; ++i) {
        calendar.Clear();
        form.Picture1[i].RaiseClick();
        const std::string text = stored[i];
        EXPECT_EQ(Journal(), (Entries{"setcol(" + text + ")", "setcol=" + text}));
        EXPECT_EQ(std::to_string(form.Shape3.FillColor()), text);
    }
    Reopen();
    EXPECT_EQ(form.Shape3.FillColor(), ui::Rgb(255, 128, 0));
}

TEST_F(Form1Test, ClosingRepaintsWithTheStoredSundayColourAndReturnsToToday) {
    form.Show();
    form.Picture1[3].RaiseClick();
    calendar.Clear();
    form.Label8.RaiseClick();
    EXPECT_EQ(Journal(), (Entries{"setcol(\"16777215\")", "Label3_Click"}));
    EXPECT_FALSE(form.Loaded() || system.Exists(form));

    form.Show();
    calendar.Clear();
    form.RequestClose();
    EXPECT_EQ(Journal(), (Entries{"setcol(\"16777215\")", "Label3_Click"}));
}

TEST_F(Form1Test, ReopeningStartsFromTheDesignAgain) {
    form.Show();
    form.HScroll2[0].SetValue(10);
    form.HScroll3[2].SetValue(20);
    Reopen();
    // Putting the design back must not pass through the handlers.
    EXPECT_TRUE(Journal().empty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.HScroll2[i].Value(), 0);
        EXPECT_EQ(form.HScroll3[i].Value(), 0);
        EXPECT_EQ(form.HScroll3[i].Max(), 255);
    }
    EXPECT_EQ(form.Label5[0].Caption(), "R：");
    EXPECT_EQ(form.Shape1[0].FillColor(), ui::Rgb(0, 255, 255));
    EXPECT_EQ(form.Label6[2].Caption(), "B:");
    EXPECT_EQ(form.Shape2[2].FillColor(), ui::Rgb(255, 255, 0));

    // Showing the open window again runs nothing.
    form.Show();
    EXPECT_TRUE(Journal().empty());
}

// Ticked when the log-on entry runs this program's file (letter case aside, in any script) and
// the system's switch (its mark, an odd first byte) has not turned it off, read afresh at every
// opening; a click writes or removes the entry and clears a mark that turns it off; one that
// cannot shows what holds.
TEST_F(Form1Test, StartAtLogOnBoxFollowsTheEntryForThisProgram) {
    using Mark = platform::RunEntry::Mark;
    const Mark off{3, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
    const Mark on{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::tuple<std::optional<std::string>, std::optional<Mark>, bool> openings[]{
        {std::nullopt, std::nullopt, false},
        {kStartCommand, std::nullopt, true},
        {kStartCommand, off, false},
        {kStartCommand, Mark{1}, false},
        {kStartCommand, Mark{6, 1}, true},
        {kStartCommand, Mark{}, true},
        {R"("c:\users\äRGER\программы\ωMEGA\Lunadesk.EXE")", on, true},
        {R"(C:\USERS\ÄRGER\ПРОГРАММЫ\ΩMEGA\lunadesk.exe /autostart)", std::nullopt, true},
        {R"(C:\Users\Arger\Программы\Ωmega\lunadesk.exe)", std::nullopt, false},
        {"C:\\Users\\\xC4rger\\Программы\\Ωmega\\lunadesk.exe", std::nullopt, false},
        {R"("D:\Portable\lunadesk.exe" /autostart)", std::nullopt, false},
        {R"("C:\Users\Ärger\Программы\Ωmega\lunadesk.exe.old" /autostart)", std::nullopt, false},
        {kProgram, std::nullopt, true},  // unquoted, without arguments
        {R"(C:\Users\Ärger\Программы\Ωmega\lunadesk.exe2)", std::nullopt, false},
    };
    for (const auto& [stored, mark, ticked] : openings) {
        runEntry.value = stored;
        runEntry.mark = mark;
        Reopen();
        EXPECT_EQ(form.Check1.Value(), ticked) << stored.value_or("<absent>") << mark.has_value();
    }
    runEntry.mark = off;
    runEntry.refuseMark = true;
    form.Check1.Toggle();
    EXPECT_EQ(runEntry.value, kStartCommand);
    EXPECT_FALSE(form.Check1.Value());
    runEntry.refuseMark = false;
    form.Check1.Toggle();
    EXPECT_EQ(runEntry.mark, on);
    EXPECT_TRUE(form.Check1.Value());
    runEntry.refuse = true;
    form.Check1.Toggle();
    EXPECT_TRUE(form.Check1.Value());
    runEntry.refuse = false;
    form.SetFocus(&form.Check1);
    form.RaiseKeyDown(ui::kKeySpace, 0);
    EXPECT_EQ(runEntry.value, std::nullopt);
    EXPECT_EQ(runEntry.mark, on);
    // Neither the calendar nor the settings have anything to do with it.
    EXPECT_TRUE(Journal().empty());
}

// Tab walks the sliders, then the swatches as they stand, round both ends; keys run the
// mouse's handlers on the focused element: steps, ends and clicks. Esc closes as "×" does.
TEST_F(Form1Test, KeysWalkTheTabOrderAndRunTheMouseHandlers) {
    form.Show();
    const std::vector<const ui::Element*> order{
        &form.HScroll1,    &form.HScroll2[0], &form.HScroll2[1], &form.HScroll2[2],
        &form.HScroll3[0], &form.HScroll3[1], &form.HScroll3[2], &form.Picture1[0],
        &form.Picture1[1], &form.Picture1[2], &form.Picture1[3], &form.Picture1[4],
        &form.Picture1[7], &form.Picture1[5], &form.Picture1[6], &form.Check1,
        &form.Check2,      &form.HScroll1};
    for (const ui::Element* element : order) {
        EXPECT_EQ(form.Focused(), element) << element->Name() << element->Index();
        form.RaiseKeyDown(ui::kKeyTab, 0);
    }
    form.RaiseKeyDown(ui::kKeyTab, ui::kShiftMask);
    form.RaiseKeyDown(ui::kKeyTab, ui::kShiftMask);
    EXPECT_EQ(form.Focused(), &form.Check2);
    EXPECT_FALSE(form.Accessible(form.HScroll1).Focused || form.Accessible(form.Label8).Focusable);

    ui::Element* const alpha = &form.HScroll1;
    const Entries green{"fontRGB1(255,254,255)", "fontR1=0", "fontG1=1", "fontB1=0"};
    const std::tuple<ui::Element*, int, int, int, Entries> cases[] = {
        // focus, the slider's value before, key, shift, what runs
        {alpha, 150, ui::kKeyRight, 0, {"TM1(151)", "formbackcol=151"}},
        {alpha, 150, ui::kKeyDown, 0, {"TM1(151)", "formbackcol=151"}},
        {alpha, 150, ui::kKeyLeft, 0, {"TM1(149)", "formbackcol=149"}},
        {alpha, 150, ui::kKeyUp, 0, {"TM1(149)", "formbackcol=149"}},
        {alpha, 150, ui::kKeyPageDown, 0, {"TM1(155)", "formbackcol=155"}},
        {alpha, 53, ui::kKeyPageUp, 0, {"TM1(50)", "formbackcol=50"}},
        {alpha, 150, ui::kKeyHome, 0, {"TM1(50)", "formbackcol=50"}},
        {alpha, 150, ui::kKeyEnd, 0, {"TM1(255)", "formbackcol=255"}},
        {alpha, 255, ui::kKeyRight, 0, {}},
        {&form.HScroll2[1], 0, ui::kKeyPageDown, 0, green},
        {&form.Picture1[7], -1, ui::kKeySpace, 0, {"setcol(33023)", "setcol=33023"}},
        {&form.Picture1[2], -1, ui::kKeyReturn, 0, {"setcol(16711680)", "setcol=16711680"}},
        {&form.Picture1[0], -1, ui::kKeySpace, ui::kCtrlMask, {}},
        {&form.Picture1[0], -1, ui::kKeyEscape, 0, {"setcol(\"16711680\")", "Label3_Click"}},
        {&form.Check2, -1, ui::kKeySpace, 0, {"SetMonthView(1)"}},
    };
    for (const auto& [focus, from, key, shift, journal] : cases) {
        SCOPED_TRACE(testing::Message() << focus->Name() << " key " << key);
        Reopen();
        form.SetFocus(focus);
        if (from >= 0) {
            static_cast<ui::HScrollBar*>(focus)->SetValue(from);
        }
        calendar.Clear();
        // Each is the focused element's or the window's; Ctrl+Space goes on to the system.
        EXPECT_EQ(form.RaiseKeyDown(key, shift), shift == 0);
        EXPECT_EQ(Journal(), journal);
    }
}

TEST_F(Form1Test, DraggingMovesTheWindowAndStoresNothing) {
    form.Show();
    system.ClearCalls();
    system.SetDropPosition(3000, 5000);
    form.RaiseMouseDown(ui::kLeftButton, 0, 10, 10);
    EXPECT_EQ(system.Calls(), (Entries{"ReleaseCapture", "MoveLoop Form1"}));
    EXPECT_EQ(form.Left(), 3000);
    EXPECT_EQ(form.Top(), 5000);
    EXPECT_TRUE(Journal().empty());
}

}  // namespace
