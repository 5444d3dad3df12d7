#include <gtest/gtest.h>

#include "chart/chart.hpp"
#include "chart/places.hpp"
#include "chart/true_solar_time.hpp"
#include "test_support.hpp"

namespace varnel {
namespace {

double MinutesBetween(DateTime a, DateTime b) { return (a - b) * 1440.0; }

TEST(TrueSolarTime, EquationOfTimeFollowsTheYear) {
    // Almanac values of the equation of time (apparent − mean), in minutes.
    struct Case {
        int month, day;
        double minutes;
    };
    for (const Case c : {Case{2, 11, -14.2}, Case{4, 15, 0.0}, Case{5, 14, 3.7}, Case{6, 13, 0.0}, Case{7, 26, -6.5},
                         Case{9, 1, 0.0}, Case{11, 3, 16.4}, Case{12, 25, 0.0}}) {
        SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day));
        EXPECT_NEAR(EquationOfTimeMinutes(EncodeDateTime(2021, c.month, c.day, 12, 0)), c.minutes, 0.7);
    }
}

TEST(TrueSolarTime, LongitudeCorrectionAndEquationOfTime) {
    // Worked by hand: minutes = −(120° − longitude) × 4 + equation of time of the day.
    struct Case {
        const char* place;
        DateTime clock;
        DateTime expected;  // to within a minute
    };
    const Case cases[] = {
        // 乌鲁木齐 87.62° E: −129.5 min; 5 January: −5.0 min → 12:30 − 2 h 14.5 min = 10:15.5
        {"乌鲁木齐", EncodeDateTime(1980, 1, 5, 12, 30), EncodeDateTime(1980, 1, 5, 10, 15, 30)},
        // 上海 121.47° E: +5.9 min; 3 November: +16.4 min → 12:00 + 22.3 min = 12:22.3
        {"上海", EncodeDateTime(2000, 11, 3, 12, 0), EncodeDateTime(2000, 11, 3, 12, 22, 18)},
        // across midnight: 乌鲁木齐 at 01:00 on 1 June (+2.3 min) → 22:52.8 on 31 May
        {"乌鲁木齐", EncodeDateTime(2021, 6, 1, 1, 0), EncodeDateTime(2021, 5, 31, 22, 52, 48)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        const auto place = FindPlace(c.place);
        ASSERT_TRUE(place.has_value());
        const DateTime local = TrueSolarMoment(c.clock, place->longitude);
        EXPECT_NEAR(MinutesBetween(local, c.expected), 0.0, 1.0) << FormatDateTime(local);
        EXPECT_EQ(FormatDateTime(local).substr(17), "00");  // whole minutes
    }
}

TEST(TrueSolarTime, ABirthJustAfterATermMayFallBeforeIt) {
    // 立春 2021: 3 February 22:58:45. At 00:30 on the 4th, 乌鲁木齐's true solar time is about
    // 22:06 on the 3rd (−129.5 − 14.1 min): still the 丑 month of 庚子.
    const auto place = FindPlace("新疆 乌鲁木齐");
    ASSERT_TRUE(place.has_value());
    const DateTime local = TrueSolarMoment(EncodeDateTime(2021, 2, 4, 0, 30), place->longitude);
    const CivilDate d = DecodeDate(local);
    const ClockTime t = DecodeTime(local);
    EXPECT_EQ(FormatDate(local), "2021-02-03");
    testing::RecordingNotifier notifier;
    FourPillars clock, solar;
    ASSERT_TRUE(ComputeChart(2021, 2, 4, 0, 30, "男", clock, notifier));
    ASSERT_TRUE(ComputeChart(d.year, d.month, d.day, t.hour, t.minute, "男", solar, notifier));
    EXPECT_EQ(clock.yearStemName + clock.yearBranchName + clock.monthStemName + clock.monthBranchName, "辛丑庚寅");
    EXPECT_EQ(solar.yearStemName + solar.yearBranchName + solar.monthStemName + solar.monthBranchName, "庚子己丑");
}

TEST(TrueSolarTime, PlacesByNameOrProvince) {
    EXPECT_EQ(FindPlace("上海")->province, "上海");
    EXPECT_EQ(FindPlace("新疆乌鲁木齐")->name, "乌鲁木齐");
    EXPECT_EQ(FindPlace("乌鲁木齐（新疆）")->name, "乌鲁木齐");
    EXPECT_NEAR(FindPlace("香港")->longitude, 114.17, 0.1);
    EXPECT_FALSE(FindPlace("火星").has_value());
    EXPECT_FALSE(FindPlace("").has_value());
    EXPECT_FALSE(FindPlace("上海' or '1'='1").has_value());
    const auto items = PlaceListItems();
    EXPECT_GE(items.size(), 350u);
    EXPECT_EQ(items.front(), "北京（北京）");
}

TEST(LateZiHour, NextDayOnlyWhenChosen) {
    // 2021-03-10 is a 丁巳 day (2000-01-01 戊午 + 7739 days); the 11th is 戊午. 子 hour of a 丁 day
    // is 庚子, of a 戊 day 壬子.
    testing::RecordingNotifier notifier;
    FourPillars same, next, early;
    ASSERT_TRUE(ComputeChart(2021, 3, 10, 23, 30, "女", same, notifier));
    ASSERT_TRUE(ComputeChart(2021, 3, 10, 23, 30, "女", next, notifier, ChartOptions{true}));
    ASSERT_TRUE(ComputeChart(2021, 3, 10, 22, 30, "女", early, notifier, ChartOptions{true}));
    EXPECT_EQ(same.dayStemName + same.dayBranchName + same.hourStemName + same.hourBranchName, "丁巳庚子");
    EXPECT_EQ(next.dayStemName + next.dayBranchName + next.hourStemName + next.hourBranchName, "戊午壬子");
    EXPECT_EQ(early.dayStemName + early.dayBranchName, "丁巳");
    EXPECT_EQ(next.monthStemName + next.monthBranchName, same.monthStemName + same.monthBranchName);
}

}  // namespace
}  // namespace varnel
