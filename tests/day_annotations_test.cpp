#include <gtest/gtest.h>

#include "calendar/day_annotations.hpp"

using namespace varnel;

namespace {
DateTime D(int y, int m, int d) { return EncodeDate(y, m, d); }
}  // namespace

TEST(DayAnnotations, FirstDayOfTheTable) {
    EXPECT_EQ(DayOfYear(D(1901, 1, 1)), 1);
    EXPECT_EQ(DayOfYear(D(2000, 12, 31)), 366);
    EXPECT_EQ(DayOfYear(D(1900, 12, 31)), 365);
    EXPECT_EQ(CalendarLunarCode(D(1901, 1, 1)), 1111);
    EXPECT_EQ(CalendarLunarDayText(D(1901, 1, 1)), "十一");
    EXPECT_EQ(CalendarLunarMonthText(D(1901, 1, 1)), "冬月");
}

TEST(DayAnnotations, NewYearAndItsEve) {
    struct Case {
        DateTime eve;
        const char* lastDay;  // the twelfth month has 30 days in 2024 and 29 in 2025
    };
    for (const Case& c : {Case{D(2024, 2, 9), "三十"}, Case{D(2025, 1, 28), "廿九"}}) {
        SCOPED_TRACE(FormatDate(c.eve));
        EXPECT_EQ(LunarFestival(c.eve), "除夕");
        EXPECT_EQ(CalendarLunarDayText(c.eve), c.lastDay);
        EXPECT_EQ(CalendarLunarMonthText(c.eve), "腊月");
        EXPECT_EQ(LunarFestival(c.eve + 1), "春节");
        EXPECT_EQ(CalendarLunarMonthText(c.eve + 1), "正月");
        EXPECT_EQ(CalendarLunarCode(c.eve + 1), 101);
        EXPECT_EQ(LunarFestival(c.eve - 1), "");
    }
    EXPECT_EQ(LunarFestival(D(2024, 2, 24)), "元宵节");
    EXPECT_EQ(LunarFestival(D(2024, 6, 10)), "端午节");
    EXPECT_EQ(LunarFestival(D(2024, 9, 17)), "中秋节");
}

TEST(DayAnnotations, LeapMonths) {
    // 2020 had a leap fourth month from 23 May.
    EXPECT_EQ(CalendarLunarCode(D(2020, 5, 22)), 430);
    EXPECT_EQ(CalendarLunarCode(D(2020, 5, 23)), -401);
    EXPECT_EQ(CalendarLunarCode(D(2020, 5, 25)), -403);
    EXPECT_EQ(CalendarLunarMonthText(D(2020, 5, 23)), "闰四");
    EXPECT_EQ(CalendarLunarDayText(D(2020, 5, 23)), "初一");
    EXPECT_EQ(CalendarCellAnnotation(D(2020, 5, 23)).text, "闰四");

    // 1995 had a leap eighth month: only the ordinary month's 15th is 中秋节.
    int festivals = 0;
    int leapFifteenths = 0;
    for (DateTime day = D(1995, 9, 1); day <= D(1995, 10, 31); day += 1) {
        if (CalendarLunarCode(day) == 815) {
            EXPECT_EQ(LunarFestival(day), "中秋节");
            EXPECT_EQ(FormatDate(day), "1995-09-09");
            ++festivals;
        }
        if (CalendarLunarCode(day) == -815) {
            EXPECT_EQ(LunarFestival(day), "");
            ++leapFifteenths;
        }
    }
    EXPECT_EQ(festivals, 1);
    EXPECT_EQ(leapFifteenths, 1);
}

TEST(DayAnnotations, A31DecemberInALeapMonthCarriesOverToJanuary) {
    // 2033 has the leap eleventh month running across the new year into 2034.
    bool found = false;
    for (int year = 1902; year <= 2050; ++year) {
        if (CalendarLunarCode(D(year - 1, 12, 31)) < 0) {
            found = true;
            EXPECT_LT(CalendarLunarCode(D(year, 1, 1)), 0) << year;
            EXPECT_TRUE(CalendarLunarMonthText(D(year, 1, 1)).starts_with("闰")) << year;
        }
    }
    EXPECT_TRUE(found);
}

TEST(DayAnnotations, GregorianFestivals) {
    const DateTime may2022 = D(2022, 5, 20);  // 1 May 2022 was a Sunday
    EXPECT_EQ(GregorianFestival(1, may2022), "劳动节");
    EXPECT_EQ(GregorianFestival(8, may2022), "母亲节");
    EXPECT_EQ(GregorianFestival(15, may2022), "");
    EXPECT_EQ(GregorianFestival(19, D(2022, 6, 1)), "父亲节");
    EXPECT_EQ(GregorianFestival(12, D(2022, 6, 1)), "");
    EXPECT_EQ(GregorianFestival(24, D(2022, 11, 1)), "感恩节");
    EXPECT_EQ(GregorianFestival(17, D(2022, 11, 1)), "");
    EXPECT_EQ(GregorianFestival(4, D(2014, 5, 1)), "青年节");  // a Sunday too
    EXPECT_EQ(GregorianFestival(11, D(2014, 5, 1)), "母亲节");
    EXPECT_EQ(GregorianFestival(25, D(2030, 12, 1)), "圣诞节");
    EXPECT_EQ(GregorianFestival(8, D(2030, 11, 1)), "记者日");
}

TEST(DayAnnotations, SolarTermDays) {
    EXPECT_EQ(CalendarSolarTerm(D(1901, 1, 6)), "小寒");
    EXPECT_EQ(CalendarSolarTerm(D(1901, 1, 21)), "大寒");
    EXPECT_EQ(CalendarSolarTerm(D(1901, 1, 7)), "");
    EXPECT_EQ(CalendarSolarTerm(D(2024, 2, 4)), "立春");  // 2024 February byte B4
    EXPECT_EQ(CalendarSolarTerm(D(2024, 12, 21)), "冬至");
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            ASSERT_EQ(CalendarSolarTerm(D(year, month, 15)), "") << year << "-" << month;
        }
    }
}

TEST(DayAnnotations, ZodiacAnimals) {
    EXPECT_EQ(ZodiacOfDate(D(2021, 1, 15)), "子鼠");  // still the twelfth month of 庚子
    EXPECT_EQ(ZodiacOfDate(D(2021, 4, 1)), "丑牛");
    EXPECT_EQ(ZodiacOfDate(D(2021, 2, 12)), "丑牛");
    EXPECT_EQ(ZodiacOfDate(D(1972, 6, 1)), "子鼠");
    EXPECT_EQ(ZodiacOfDate(D(1900, 6, 1)), "子鼠");
}

TEST(DayAnnotations, StarSignBoundaries) {
    EXPECT_EQ(CalendarStarSign(22, D(2020, 8, 1)), "狮子座");
    EXPECT_EQ(CalendarStarSign(23, D(2020, 8, 1)), "处女座");
    EXPECT_EQ(CalendarStarSign(20, D(2020, 4, 1)), "金牛座");
    EXPECT_EQ(CalendarStarSign(19, D(2020, 4, 1)), "白羊座");
    EXPECT_EQ(CalendarStarSign(1, D(2020, 1, 1)), "摩羯座");
    EXPECT_EQ(CalendarStarSign(31, D(2020, 12, 1)), "摩羯座");
    EXPECT_EQ(CalendarStarSign(29, D(2020, 2, 1)), "双鱼座");
}

TEST(DayAnnotations, OutsideTheTables) {
    const DateTime day = D(2051, 1, 1);
    EXPECT_EQ(CalendarLunarCode(day), 0);
    EXPECT_EQ(CalendarLunarMonthText(day), "");
    EXPECT_EQ(CalendarLunarDayText(day), "");
    EXPECT_EQ(LunarFestival(day), "");
    EXPECT_EQ(CalendarSolarTerm(D(2051, 1, 6)), "");
    EXPECT_EQ(ZodiacOfDate(D(2051, 2, 1)), "未羊");
    EXPECT_EQ(CalendarCellAnnotation(day).text, "元旦节");
}

TEST(DayAnnotations, CellAnnotationOverrides) {
    // Find days where two annotations meet and check which one the cell shows.
    bool feastOnTerm = false;
    bool festivalOnFirst = false;
    for (DateTime day = D(1901, 1, 1); day <= D(2050, 12, 31); day += 1) {
        const int d = DecodeDate(day).day;
        if (!LunarFestival(day).empty() && !CalendarSolarTerm(day).empty()) {
            feastOnTerm = true;
            EXPECT_EQ(CalendarCellAnnotation(day).text, LunarFestival(day)) << FormatDate(day);
            EXPECT_EQ(CalendarCellAnnotation(day).kind, AnnotationKind::LunarFestival);
        }
        if (CalendarLunarDayText(day) == "初一" && !GregorianFestival(d, day).empty() && CalendarSolarTerm(day).empty() &&
            LunarFestival(day).empty()) {
            festivalOnFirst = true;
            EXPECT_EQ(CalendarCellAnnotation(day).text, GregorianFestival(d, day)) << FormatDate(day);
        }
    }
    EXPECT_TRUE(feastOnTerm);
    EXPECT_TRUE(festivalOnFirst);
    EXPECT_EQ(CalendarCellAnnotation(D(2024, 2, 11)).text, "初二");
    EXPECT_EQ(CalendarCellAnnotation(D(2024, 2, 11)).kind, AnnotationKind::LunarDay);
    EXPECT_EQ(CalendarCellAnnotation(D(2024, 3, 10)).text, "二月");  // 初一 of the second month
    EXPECT_EQ(CalendarCellAnnotation(D(2024, 3, 10)).kind, AnnotationKind::LunarMonth);
}
