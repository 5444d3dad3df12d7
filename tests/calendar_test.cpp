#include <gtest/gtest.h>

#include "calendar/lunar.hpp"
#include "calendar/sexagenary.hpp"
#include "readings/star_sign.hpp"

namespace varnel {
namespace {

DateTime Date(int y, int m, int d) { return EncodeDate(y, m, d); }

TEST(LunarTable, MonthAndYearLengths) {
    // 1900 = 4BD8: months 2, 5, 7, 8, 9, 10, 12 have 30 days; leap month 8 of 29 days.
    const int expected[12] = {29, 30, 29, 29, 30, 29, 30, 30, 30, 30, 29, 30};
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(LunarMonthDays(1900, m), expected[m - 1]) << m;
    EXPECT_EQ(LunarMonthDays(1900, 0), 29);  // month 0 reads like month 1
    EXPECT_EQ(LeapMonthOf(1900), 8);
    EXPECT_EQ(LeapMonthDays(1900), 29);
    EXPECT_EQ(LunarYearDays(1900), 348 + 7 + 29);
    // 1903 = 54D5 leaps month 5; 1904's low bits are 0, so 29 days. 1906 = 5554 is followed by
    // 1907 = 56AF: its leap month 4 has 30 days and 1907 has none of its own.
    EXPECT_EQ(LeapMonthDays(1906), 30);
    EXPECT_EQ(LeapMonthOf(1907), 0);
    EXPECT_EQ(LeapMonthDays(1907), 0);
    EXPECT_EQ(LeapMonthOf(2100), 0);
}

TEST(SolarToLunar, KnownDates) {
    struct Case {
        DateTime solar;
        LunarDate lunar;
    };
    const Case cases[] = {
        {Date(1900, 1, 31), {1900, 1, 1, false}},
        {Date(1980, 9, 11), {1980, 8, 3, false}},
        {Date(2000, 2, 5), {2000, 1, 1, false}},
        {Date(2024, 2, 10), {2024, 1, 1, false}},
        {Date(2023, 3, 21), {2023, 2, 30, false}},  // last day of the ordinary second month
        {Date(2023, 3, 22), {2023, 2, 1, true}},    // 闰二月初一
        {Date(2023, 4, 19), {2023, 2, 29, true}},
        {Date(2023, 4, 20), {2023, 3, 1, false}},
        {Date(2020, 5, 23), {2020, 4, 1, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SolarToLunar(c.solar), c.lunar) << FormatDate(c.solar);
    }
}

TEST(SolarToLunar, OutOfRangeAndTimeOfDay) {
    EXPECT_EQ(SolarToLunar(Date(1900, 1, 30)), kNoLunarDate);
    EXPECT_EQ(SolarToLunar(Date(2101, 1, 1)), kNoLunarDate);
    EXPECT_EQ(SolarToLunar(Date(2100, 12, 31)).year, 2100);
    EXPECT_EQ(SolarToLunar(Date(1980, 9, 11) + 0.99), (LunarDate{1980, 8, 3, false}));
}

TEST(LunarToSolar, RoundTripsEveryDayOfLunarYears1901To2099) {
    int checked = 0;
    for (DateTime x = Date(1901, 1, 1); x < Date(2101, 1, 1); x += 1) {
        const LunarDate lunar = SolarToLunar(x);
        if (lunar.year < 1901 || lunar.year > 2099) {
            EXPECT_EQ(LunarToSolar(lunar), InvalidSolarDate()) << FormatDate(x);
            continue;
        }
        ASSERT_EQ(LunarToSolar(lunar), x) << FormatDate(x);
        ++checked;
    }
    EXPECT_GT(checked, 72000);
}

TEST(LunarToSolar, RejectsInvalidDates) {
    EXPECT_EQ(FormatDate(InvalidSolarDate()), "0001-01-01");
    const LunarDate invalid[] = {
        {1900, 5, 1, false},  {2100, 5, 1, false}, {2023, 13, 1, false}, {2023, 1, 31, false},
        {2023, 3, 1, true},   // 2023 leaps month 2, not 3
        {2023, 1, 30, false}, // the first month of 2023 has 29 days
        {1980, 8, 3, true},   // 1980 has no leap month
        {1980, -3, 5, false}, {1980, 1, -1, false}, {1980, 1, -2147483647 - 1, false},
    };
    for (const LunarDate& d : invalid) {
        EXPECT_FALSE(IsValidLunarDate(d)) << d.year << "-" << d.month << "-" << d.day;
        EXPECT_EQ(LunarToSolar(d), InvalidSolarDate());
    }
    EXPECT_EQ(LunarToSolar({2023, 2, 1, true}), Date(2023, 3, 22));
}

TEST(LunarToSolar, MonthZeroAndDayZeroAreNotRejected) {
    EXPECT_EQ(LunarToSolar({2000, 0, 1, false}), LunarToSolar({2000, 1, 1, false}));
    EXPECT_EQ(LunarToSolar({2000, 1, 0, false}), Date(2000, 2, 4));
}

TEST(SolarTerms, MomentsByFormula) {
    EXPECT_EQ(FormatDateTime(SolarTermMoment(1900, 0)), "1900-01-06 02:05:00");
    EXPECT_EQ(FormatDate(SolarTermMoment(2000, 2)), "2000-02-04");
    EXPECT_EQ(SolarTermOfDate(Date(2000, 2, 4)), "立春");
    EXPECT_EQ(SolarTermOfDate(Date(2000, 2, 5)), "");
    EXPECT_EQ(SolarTermOfDate(Date(2000, 2, 4) + 0.5), "");  // a time of day never matches
    EXPECT_EQ(SolarTermOfDate(Date(1999, 12, 7)), "大雪");
}

TEST(SolarTerms, EveryMonthHasItsTwoTermsInOrder) {
    for (int year = 1900; year <= 2100; ++year) {
        for (int n = 0; n < 24; ++n) {
            const DateTime moment = SolarTermMoment(year, n);
            EXPECT_EQ(DecodeDate(moment).month, n / 2 + 1) << year << " " << n;
            EXPECT_EQ(SolarTermOfDate(DatePart(moment)), SolarTermNames[static_cast<std::size_t>(n)]);
        }
    }
}

TEST(LunarTexts, YearMonthAndDay) {
    EXPECT_EQ(CycleYearText(0), "甲子(鼠年)");
    EXPECT_EQ(CycleYearText(120), "甲子(鼠年)");
    EXPECT_EQ(CycleYearText(1980 - 1864), "庚申(猴年)");
    EXPECT_EQ(CycleYearText(59), "癸亥(猪年)");
    EXPECT_EQ(LunarMonthText(1, false), "一月");
    EXPECT_EQ(LunarMonthText(10, false), "十月");
    EXPECT_EQ(LunarMonthText(12, false), "十二月");
    EXPECT_EQ(LunarMonthText(4, true), "闰四月");
    EXPECT_EQ(LunarMonthText(13, false), "月");
    EXPECT_EQ(LunarMonthText(0, true), "闰月");
    const std::pair<int, const char*> days[] = {{1, "初一"},  {3, "初三"},  {10, "初十"},
                                                {11, "十一"}, {15, "十五"}, {19, "十九"},
                                                {20, "二十"}, {21, "廿一"}, {29, "廿九"},
                                                {30, "三十"}, {0, ""},      {31, ""}};
    for (const auto& [day, text] : days) EXPECT_EQ(LunarDayText(day), text) << day;
    EXPECT_EQ(LunarDateText(SolarToLunar(Date(1980, 9, 11))), "庚申(猴年)八月初三");
    EXPECT_EQ(LunarDateText(SolarToLunar(Date(2023, 3, 22))), "癸卯(兔年)闰二月初一");
}

TEST(Sexagenary, NamesAndNumbering) {
    EXPECT_EQ(PillarText(PillarOfNumber(0)), "甲子");
    EXPECT_EQ(PillarText(PillarOfNumber(1)), "乙丑");
    EXPECT_EQ(PillarText(PillarOfNumber(59)), "癸亥");
    EXPECT_EQ(StemByNumber[0], "癸");
    EXPECT_EQ(StemByNumber[1], "甲");
    EXPECT_EQ(BranchByNumber[0], "亥");
    EXPECT_EQ(BranchByNumber[1], "子");
    for (int stem = 0; stem < 10; ++stem) {
        EXPECT_EQ(StemByNumber[static_cast<std::size_t>((stem + 1) % 10)],
                  StemNames[static_cast<std::size_t>(stem)]);
        const bool yang = std::string_view("甲丙戊庚壬").find(StemNames[static_cast<std::size_t>(stem)]) !=
                          std::string_view::npos;
        EXPECT_EQ(IsYangStem(stem), yang) << StemNames[static_cast<std::size_t>(stem)];
    }
    EXPECT_EQ(BranchAnimalNames[4], "辰龙");
}

TEST(StarSign, BoundariesOfTheSigns) {
    const std::pair<DateTime, const char*> cases[] = {
        {Date(2001, 12, 22), "摩羯座"}, {Date(2001, 1, 19), "摩羯座"}, {Date(2001, 1, 20), "水瓶座"},
        {Date(2000, 2, 29), "双鱼座"},  {Date(2001, 4, 20), "白羊座"}, {Date(2001, 4, 21), "金牛座"},
        {Date(2001, 6, 21), "双子座"},  {Date(2001, 6, 22), "巨蟹座"}, {Date(2001, 10, 23), "天蝎座"},
        {Date(2001, 12, 21), "射手座"}, {Date(2001, 8, 23), "处女座"}, {Date(2001, 9, 23), "天秤座"},
    };
    for (const auto& [date, sign] : cases) EXPECT_EQ(StarSignForDate(date), sign) << FormatDate(date);
    for (DateTime x = Date(2000, 1, 1); x < Date(2001, 1, 1); x += 1) {
        EXPECT_FALSE(StarSignForDate(x).empty()) << FormatDate(x);
    }
}

}  // namespace
}  // namespace varnel
