// The settings window, headless: what it shows, what it asks of the calendar window and
// what it stores, in which order.
#include "settings/form1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory_settings_backing.h"
#include "platform/ui/headless_window_system.h"
#include "settings/settings_store.h"

namespace {

using platform::MemorySettingsBacking;
using Entries = std::vector<std::string>;

// The calendar window's side. Its journal holds the calls it received, interleaved with
// the store writes made before each, so that a test sees "apply, then store".
class FakeCalendar final : public CalendarOperations {
  public:
    explicit FakeCalendar(const MemorySettingsBacking& memory) : memory_(memory) {}

    void fontRGB1(std::int16_t r, std::int16_t g, std::int16_t b) override {
        Add("fontRGB1(" + Triple(r, g, b) + ")");
    }
    void fontRGB2(std::int16_t r, std::int16_t g, std::int16_t b) override {
        Add("fontRGB2(" + Triple(r, g, b) + ")");
    }
    void setcol(std::int32_t colour) override { Add("setcol(" + std::to_string(colour) + ")"); }
    void setcol(const std::string& text) override { Add("setcol(\"" + text + "\")"); }
    void Label3_Click() override { Add("Label3_Click"); }
    void TM1(std::int16_t alpha) override { Add("TM1(" + std::to_string(alpha) + ")"); }
    ui::Rect WindowPlace() const override { return {13905, 0, 2895, 3270}; }

    const Entries& Journal() {
        Flush();
        return journal_;
    }
    void Clear() {
        Flush();
        journal_.clear();
    }

  private:
    static std::string Triple(int r, int g, int b) {
        return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
    }
    void Add(std::string call) {
        Flush();
        journal_.push_back(std::move(call));
    }
    void Flush() {
        const auto& writes = memory_.Writes();
        for (; seenWrites_ < writes.size(); ++seenWrites_) {
            journal_.push_back(writes[seenWrites_].Key + "=" + writes[seenWrites_].Value);
        }
    }

    const MemorySettingsBacking& memory_;
    Entries journal_;
    std::size_t seenWrites_ = 0;
};

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override {
        // What a program that has run before holds.
        for (const auto& [key, value] : {std::pair{"formX", "13905"},
                                         {"formY", "0"},
                                         {"formbackcol", "150"},
                                         {"fontR1", "0"},
                                         {"fontG1", "255"},
                                         {"fontB1", "255"},
                                         {"fontR2", "0"},
                                         {"fontG2", "255"},
                                         {"fontB2", "0"},
                                         {"setcol", "16711680"}}) {
            Put(key, value);
        }
    }
    void Put(const std::string& key, const std::string& value) {
        memory.Put("Lunadesk", "set", key, value);
    }
    std::optional<std::string> Stored(const std::string& key) const {
        return memory.Peek("Lunadesk", "set", key);
    }
    // Opens the window afresh, forgetting what happened before.
    void Reopen() {
        form.Unload();
        calendar.Clear();
        form.Show();
    }
    const Entries& Journal() { return calendar.Journal(); }

    ui::HeadlessWindowSystem system;
    MemorySettingsBacking memory;
    SettingsStore store{memory};
    FakeCalendar calendar{memory};
    Form1 form{system, store, calendar};
};

constexpr ui::Colour kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Colour kGrey55 = ui::Rgb(55, 55, 55);

TEST_F(Form1Test, DesignFitsTheWindowAndOrdersTheSwatches) {
    EXPECT_EQ(form.Caption(), "设置");
    EXPECT_EQ(form.Elements().size(), 35u);
    for (const ui::Element* element : form.Elements()) {
        // Label6 is designed wider than the room it has; the window clips it.
        const int right =
            element->Name() == "Label6" ? element->Bounds().Left + 375 : element->Bounds().Right();
        EXPECT_LE(right, form.ClientWidth()) << element->Name();
        EXPECT_LE(element->Bounds().Bottom(), form.ClientHeight()) << element->Name();
    }
    // Left to right: red, green, blue, white, yellow, orange, cyan, magenta.
    const std::vector<std::pair<int, ui::Colour>> byPlace{
        {0, ui::Rgb(255, 0, 0)},     {1, ui::Rgb(0, 255, 0)},   {2, ui::Rgb(0, 0, 255)},
        {3, ui::Rgb(255, 255, 255)}, {4, ui::Rgb(255, 255, 0)}, {7, ui::Rgb(255, 128, 0)},
        {5, ui::Rgb(0, 255, 255)},   {6, ui::Rgb(255, 0, 255)}};
    for (std::size_t place = 0; place < byPlace.size(); ++place) {
        const ui::PictureBox& swatch = form.Picture1[byPlace[place].first];
        EXPECT_EQ(swatch.Bounds().Left, 120 + 360 * static_cast<int>(place));
        EXPECT_EQ(swatch.BackColor(), byPlace[place].second) << "swatch " << place;
    }
    EXPECT_EQ(form.Label8.GetFont().Name, "宋体");
    EXPECT_EQ(form.HScroll1.LargeChange(), 5);
}

TEST_F(Form1Test, OpeningAppliesAndStoresTheStoredOpacityAgain) {
    Put("formbackcol", "200");
    form.Show();

    EXPECT_EQ(Journal(), (Entries{"TM1(200)", "formbackcol=200"}));
    EXPECT_EQ(form.HScroll1.Value(), 200);
    EXPECT_EQ(form.Label4.Caption(), "78%");
    EXPECT_EQ(form.Shape4.FillColor(), kGrey55);
}

TEST_F(Form1Test, OpeningAtTheDesignOpacityRunsNoHandler) {
    Put("setcol", "33023");
    form.Show();

    EXPECT_TRUE(Journal().empty());
    EXPECT_TRUE(memory.Writes().empty());
    EXPECT_EQ(form.HScroll1.Value(), 150);
    EXPECT_EQ(form.Label4.Caption(), "%");
    EXPECT_EQ(form.Shape4.FillColor(), kBlack);
    EXPECT_EQ(form.Shape3.FillColor(), ui::Rgb(255, 128, 0));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.HScroll2[i].Value(), 0);
        EXPECT_EQ(form.HScroll3[i].Max(), 255);
    }
    EXPECT_EQ(form.Label5[0].Caption(), "R：");
    EXPECT_EQ(form.Label6[0].Caption(), "R:");
}

TEST_F(Form1Test, UnreadableStoredValuesShowFirstRunValuesWithoutStoringThem) {
    for (const char* text : {"", "abc", "300", "-5", "1e9"}) {
        Put("formbackcol", text);
        Reopen();
        EXPECT_EQ(Journal(), Entries{"TM1(200)"}) << text;
        EXPECT_EQ(form.HScroll1.Value(), 200);
        EXPECT_EQ(form.Label4.Caption(), "78%");
        EXPECT_EQ(form.Shape4.FillColor(), kGrey55);
    }
    for (const char* text : {"", "blue", "-1", "16777216"}) {
        Put("setcol", text);
        Reopen();
        EXPECT_EQ(form.Shape3.FillColor(), ui::Rgb(0, 0, 255)) << text;
    }
    memory.Erase("Lunadesk", "set", "formbackcol");
    Reopen();
    EXPECT_EQ(Journal(), Entries{"TM1(200)"});
    EXPECT_TRUE(memory.Writes().empty());

    // Until the user moves the slider.
    form.HScroll1.SetValue(205);
    EXPECT_EQ(Stored("formbackcol"), "205");
}

TEST_F(Form1Test, OpacityBelowTheSliderRangeKeepsTheCalendarAsItIs) {
    Put("formbackcol", "20");
    form.Show();

    EXPECT_EQ(form.HScroll1.Value(), 50);
    EXPECT_EQ(Journal(), Entries{"TM1(20)"});
    EXPECT_EQ(form.Label4.Caption(), "7%");
    EXPECT_EQ(form.Shape4.FillColor(), ui::Rgb(235, 235, 235));

    calendar.Clear();
    form.HScroll1.SetValue(51);
    EXPECT_EQ(Journal(), (Entries{"TM1(51)", "formbackcol=51"}));
}

TEST_F(Form1Test, TransparencySliderAppliesThenStores) {
    form.Show();
    form.HScroll1.SetValue(form.HScroll1.Min());
    EXPECT_EQ(Journal(), (Entries{"TM1(50)", "formbackcol=50"}));
    EXPECT_EQ(form.Label4.Caption(), "19%");
    EXPECT_EQ(form.Shape4.FillColor(), ui::Rgb(205, 205, 205));

    form.HScroll1.SetValue(255);
    EXPECT_EQ(form.Label4.Caption(), "100%");
    EXPECT_EQ(form.Shape4.FillColor(), kBlack);
    EXPECT_EQ(Stored("formbackcol"), "255");
}

TEST_F(Form1Test, ColourSlidersReadTheirWholeGroupAfresh) {
    form.Show();
    form.HScroll2[0].SetValue(255);
    EXPECT_EQ(Journal(), (Entries{"fontRGB1(0,255,255)", "fontR1=255", "fontG1=0", "fontB1=0"}));
    EXPECT_EQ(form.Label5[0].Caption(), "255");
    EXPECT_EQ(form.Label5[1].Caption(), "0");
    EXPECT_EQ(form.Shape1[0].FillColor(), ui::Rgb(0, 255, 255));
    EXPECT_EQ(form.Shape1[1].FillColor(), ui::Rgb(255, 255, 255));
    EXPECT_EQ(form.Label6[0].Caption(), "R:");

    calendar.Clear();
    form.HScroll3[1].SetValue(128);
    EXPECT_EQ(Journal(), (Entries{"fontRGB2(255,127,255)", "fontR2=0", "fontG2=128", "fontB2=0"}));
    EXPECT_EQ(form.Label6[1].Caption(), "128");
    EXPECT_EQ(form.Shape2[1].FillColor(), ui::Rgb(255, 127, 255));
    EXPECT_EQ(form.Label5[0].Caption(), "255");
}

TEST_F(Form1Test, SwatchesApplyThenStoreTheSundayColour) {
    form.Show();
    const char* stored[] = {"255",   "65280",    "16711680", "16777215",
                            "65535", "16776960", "16711935", "33023"};
    for (int i = 0; i < 8; ++i) {
        calendar.Clear();
        form.Picture1[i].RaiseClick();
        const std::string text = stored[i];
        EXPECT_EQ(Journal(), (Entries{"setcol(" + text + ")", "setcol=" + text}));
        EXPECT_EQ(std::to_string(form.Shape3.FillColor()), text);
    }
    EXPECT_EQ(form.Shape3.FillColor(), ui::Rgb(255, 128, 0));
}

TEST_F(Form1Test, ClosingRepaintsWithTheStoredSundayColourAndReturnsToToday) {
    form.Show();
    form.Picture1[3].RaiseClick();
    calendar.Clear();

    form.Label8.RaiseClick();
    EXPECT_EQ(Journal(), (Entries{"setcol(\"16777215\")", "Label3_Click"}));
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(system.Exists(form));

    form.Show();
    calendar.Clear();
    form.RequestClose();
    EXPECT_EQ(Journal(), (Entries{"setcol(\"16777215\")", "Label3_Click"}));
}

TEST_F(Form1Test, ReopeningStartsFromTheDesignAgain) {
    form.Show();
    form.HScroll1.SetValue(200);
    form.HScroll2[0].SetValue(10);
    form.HScroll3[2].SetValue(20);
    Put("formbackcol", "150");
    form.Label8.RaiseClick();
    memory.ClearLog();

    Reopen();
    // Putting the design back must not pass through the handlers.
    EXPECT_TRUE(Journal().empty());
    EXPECT_EQ(form.HScroll1.Value(), 150);
    EXPECT_EQ(form.Label4.Caption(), "%");
    EXPECT_EQ(form.Shape4.FillColor(), kBlack);
    EXPECT_EQ(form.HScroll2[0].Value(), 0);
    EXPECT_EQ(form.Label5[0].Caption(), "R：");
    EXPECT_EQ(form.Shape1[0].FillColor(), ui::Rgb(0, 255, 255));
    EXPECT_EQ(form.HScroll3[2].Value(), 0);
    EXPECT_EQ(form.Label6[2].Caption(), "B:");
    EXPECT_EQ(form.Shape2[2].FillColor(), ui::Rgb(255, 255, 0));

    // Showing the open window again runs nothing.
    form.Show();
    EXPECT_TRUE(Journal().empty());
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
