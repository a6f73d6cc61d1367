// The three text colours: main, secondary and the Sundays of the shown month.
#include "calendar_window/frmcalendar.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

constexpr const char* kSunday = "星期日";

ui::Colour ColourOf(std::int16_t r, std::int16_t g, std::int16_t b) {
    return r + 256 * g + 65536 * b;
}

// A day number and its frame in one colour; a marked one keeps apart from the other days under
// a contrast theme too, in the theme's second text colour.
void PaintDay(ui::GridCell& day, ui::Colour colour, bool marked) {
    day.TextColour = colour;
    day.FrameColour = colour;
    day.TextUse = marked ? ui::ColourUse::MarkedText : ui::ColourUse::Text;
}

}  // namespace

void frmcalendar::fontRGB1(std::int16_t r, std::int16_t g, std::int16_t b) {
    const ui::Colour colour = ColourOf(r, g, b);
    Label1[0].SetForeColor(colour);
    Label1[1].SetForeColor(colour);
    for (int i = 0; i < lblnumber.CellCount(); ++i) {
        lblnumber.EditCell(i, [colour](ui::GridCell& day) {
            PaintDay(day, colour, false);
            day.NoteColour = colour;  // the user's days are marked in the main colour
        });
    }
    Shape1.SetBorderColor(colour);
    cbomonth.SetForeColor(colour);
    cboyear.SetForeColor(colour);
    lbldate.SetForeColor(colour);
    lblday.SetForeColor(colour);
    ShowMonthView();
}

void frmcalendar::fontRGB2(std::int16_t r, std::int16_t g, std::int16_t b) {
    const ui::Colour colour = ColourOf(r, g, b);
    Label2.SetForeColor(colour);
    Label4.SetForeColor(colour);
    Label5.SetForeColor(colour);
    lblnotice.SetForeColor(colour);
    ShowMonthView();
}

// Read afresh for every day: the settings window may have just stored a new colour.
ui::Colour frmcalendar::StoredMainColour() const {
    const int r = settings::ReadNumber(store_, settings::kFontR1);
    const int g = settings::ReadNumber(store_, settings::kFontG1);
    const int b = settings::ReadNumber(store_, settings::kFontB1);
    return ui::Rgb(255 - r, 255 - g, 255 - b);
}

void frmcalendar::setcol(std::int32_t colour) {
    sundayColour_ = colour;
    // Selecting each day in turn is how the pass learns which labels are Sundays.
    for (std::int16_t i = 0; i < 31; ++i) {
        const ui::Colour main = StoredMainColour();
        lblnumber.EditCell(i, [main](ui::GridCell& day) { PaintDay(day, main, false); });
        lblnumber_Click(i);
        if (lblday.Caption() == kSunday) {
            lblnumber.EditCell(i,
                               [&](ui::GridCell& day) { PaintDay(day, colour, colour != main); });
        }
    }
}

void frmcalendar::setcol(const std::string& colourText) {
    setcol(
        settings::ParseSetting(settings::kSetCol, colourText).value_or(settings::kSetCol.FirstRun));
}
