#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/errors.h"

namespace {

using platform::ErrorCode;

template <typename F>
ErrorCode CodeOf(F&& f) {
    try {
        f();
    } catch (const platform::Error& e) {
        return e.Code();
    }
    return ErrorCode{};
}

TEST(NumberToText, LeadingBlankOnlyForNonNegative) {
    EXPECT_EQ(platform::NumberText(2021), " 2021");
    EXPECT_EQ(platform::NumberText(0), " 0");
    EXPECT_EQ(platform::NumberText(-345), "-345");
    EXPECT_EQ(platform::PlainText(25905), "25905");
    EXPECT_EQ(platform::PlainText(-345), "-345");
}

TEST(TextToNumber, ReadsDecimalsAndRejectsTheRest) {
    const std::pair<const char*, double> readable[] = {
        {"200", 200},  {" 2021\t", 2021}, {"-345", -345},
        {"+7", 7},     {"2.5", 2.5},      {".5", 0.5},
        {"1e3", 1000}, {"1e-400", 0},     {"-0.000012e-99999999999999999999", 0}};
    for (const auto& [text, number] : readable) {
        EXPECT_EQ(platform::ParseNumber(text), number) << text;
    }
    for (const char* bad : {"", " ", "abc", "12abc", "1 2", "--1", "+-1", "inf", "nan", "0x10",
                            "1,000", "-", "\t", "1e400x", "1e-400x"}) {
        EXPECT_EQ(CodeOf([&] { platform::ParseNumber(bad); }), ErrorCode::TypeMismatch) << bad;
    }
    for (const char* huge : {"1e999", "-0.01e311", "100000e99999999999999999999"}) {
        EXPECT_EQ(CodeOf([&] { platform::ParseNumber(huge); }), ErrorCode::Overflow) << huge;
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> halves[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {-0.5, 0},
                                             {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& [value, rounded] : halves) {
        EXPECT_EQ(platform::ToInt16(value), rounded) << value;
    }
    EXPECT_EQ(platform::ToInt32(1e9 + 0.5), 1000000000);
    EXPECT_EQ(platform::ToByte(254.5), 254);
    EXPECT_EQ(platform::ToByte(-0.5), 0);
}

TEST(Rounding, OverflowAtTheEdgesOfEachRange) {
    EXPECT_EQ(platform::ToInt16(32767.4), 32767);
    EXPECT_EQ(platform::ToInt16(-32768.5), -32768);  // ties to even stays in range
    for (double bad :
         {32767.5, 32768.0, -32768.6, -32769.0, 1e300, std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(CodeOf([&] { platform::ToInt16(bad); }), ErrorCode::Overflow) << bad;
    }
    EXPECT_EQ(platform::ToByte(255), 255);
    EXPECT_EQ(CodeOf([] { platform::ToByte(255.5); }), ErrorCode::Overflow);  // 256 after rounding
    EXPECT_EQ(CodeOf([] { platform::ToByte(-0.6); }), ErrorCode::Overflow);
    EXPECT_EQ(platform::ToInt32(-2147483648.0), INT32_MIN);
    EXPECT_EQ(CodeOf([] { platform::ToInt32(2147483647.5); }), ErrorCode::Overflow);
}

TEST(TextConversions, CombineReadingAndRange) {
    EXPECT_EQ(platform::TextToInt16("25905"), 25905);
    EXPECT_EQ(platform::TextToInt32("16711680"), 16711680);
    EXPECT_EQ(platform::TextToByte("200"), 200);
    EXPECT_EQ(CodeOf([] { platform::TextToByte("256"); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { platform::TextToInt16("35505"); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { platform::TextToInt32(""); }), ErrorCode::TypeMismatch);
}

}  // namespace
