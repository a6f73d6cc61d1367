#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "lunar/lunar.h"

namespace {

using namespace std::chrono;

struct Ymd {
    int y, m, d;
};

Ymd Split(year_month_day date) {
    return {static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
            static_cast<int>(unsigned{date.day()})};
}

// The independent reference: "yyyy-mm-dd <tab> name <tab> moment" for every term 1921-2100.
std::map<sys_days, std::string> ReadReference() {
    std::ifstream file(LUNADESK_TESTDATA "/solar_terms.tsv");
    std::map<sys_days, std::string> terms;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int y = 0, m = 0, d = 0;
        char dash1 = 0, dash2 = 0;
        std::string name;
        fields >> y >> dash1 >> m >> dash2 >> d >> name;
        EXPECT_TRUE(fields && dash1 == '-' && dash2 == '-') << line;
        terms[year{y} / m / d] = name;
    }
    return terms;
}

TEST(SolarTerms, EveryDayOf1921To2100AgreesWithTheReference) {
    const std::map<sys_days, std::string> reference = ReadReference();
    ASSERT_EQ(reference.size(), 4320u);
    int wrongDays = 0;
    for (sys_days day = 1921y / 1 / 1; day <= sys_days{2100y / 12 / 31}; day += days{1}) {
        const auto [y, m, d] = Split(year_month_day{day});
        const auto found = reference.find(day);
        const std::string expected = found == reference.end() ? "" : found->second;
        if (lunar::SolarTermOn(y, m, d) != expected && ++wrongDays <= 5) {
            ADD_FAILURE() << y << '-' << m << '-' << d << ": " << lunar::SolarTermOn(y, m, d)
                          << " instead of " << expected;
        }
    }
    EXPECT_EQ(wrongDays, 0);
}

TEST(SolarTermsAndDayTip, FailOutOfRangeOutsideTheirYearsAndForDaysThatDoNotExist) {
    using Call = std::function<void(int, int, int)>;
    const Call term = [](int y, int m, int d) { lunar::SolarTermOn(y, m, d); };
    const Call tip = [](int y, int m, int d) { lunar::DayTip(y, m, d); };
    const std::pair<Call, Ymd> failing[] = {
        {term, {1920, 12, 31}}, {term, {2101, 1, 1}},  {term, {2100, 2, 29}}, {term, {2023, 2, 29}},
        {term, {2021, 4, 31}},  {term, {2021, 0, 10}}, {term, {2021, 13, 1}}, {term, {2021, 1, 0}},
        {tip, {1921, 12, 31}},  {tip, {2100, 1, 1}},   {tip, {2023, 2, 29}},  {tip, {2021, 13, 1}},
    };
    for (const auto& [call, date] : failing) {
        EXPECT_THROW(call(date.y, date.m, date.d), lunar::OutOfRange)
            << date.y << '-' << date.m << '-' << date.d;
    }
    EXPECT_EQ(lunar::SolarTermOn(1921, 1, 1), "");
    EXPECT_EQ(lunar::SolarTermOn(2100, 12, 31), "");
    EXPECT_EQ(lunar::DayTip(2000, 2, 29), "正月廿五");
}

}  // namespace
