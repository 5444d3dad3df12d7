#include <gtest/gtest.h>

#include <vector>

#include "reports/birth_input.hpp"
#include "test_support.hpp"
#include "text/conversion_error.hpp"

namespace varnel {
namespace {

using testing::RecordingNotifier;

BirthPanel ZhangSan() {
    BirthPanel panel;
    panel.surname = "张";
    panel.givenName = "三";
    panel.bloodType = "A型";
    panel.year = "1980";
    panel.month = "1";
    panel.day = "5";
    panel.hour = "午 12";
    panel.minute = "30";
    return panel;
}

// Every stored field holds "old" before the acceptance.
BirthInput OldInput() {
    BirthInput input;
    for (std::string* field : {&input.surname, &input.givenName, &input.bloodType, &input.yearText,
                               &input.monthText, &input.dayText, &input.hourItem, &input.solarDateText}) {
        *field = "old";
    }
    return input;
}

TEST(AcceptBirthInput, EachEmptyFieldStopsWithItsNoticeAfterStoringTheEarlierOnes) {
    struct Case {
        std::string BirthPanel::*field;
        const char* notice;
        int storedBefore;  // how many of the fields below are already stored
    };
    const Case cases[] = {
        {&BirthPanel::surname, "姓不能为空!", 0},   {&BirthPanel::givenName, "名不能为空!", 1},
        {&BirthPanel::bloodType, "血型不能为空!", 2}, {&BirthPanel::year, "请选择出生年!", 3},
        {&BirthPanel::month, "请选择出生月!", 4},   {&BirthPanel::day, "请选择出生日!", 5},
        {&BirthPanel::hour, "请选择出生小时!", 6},
    };
    for (const Case& c : cases) {
        BirthPanel panel = ZhangSan();
        panel.*c.field = " \t ";
        BirthInput input = OldInput();
        RecordingNotifier notifier;
        EXPECT_FALSE(AcceptBirthInput(panel, true, input, notifier));
        ASSERT_EQ(notifier.notices, std::vector<std::string>{c.notice});
        const std::string stored[] = {input.surname,  input.givenName, input.bloodType,
                                      input.yearText, input.monthText, input.dayText,
                                      input.hourItem};
        const std::string fresh[] = {"张", "三", "A型", "1980", "1", "5", "午 12"};
        for (int i = 0; i < 7; ++i) {
            if (i < c.storedBefore) EXPECT_EQ(stored[i], fresh[i]) << c.notice << " field " << i;
            else EXPECT_EQ(stored[i], "old") << c.notice << " field " << i;
        }
        EXPECT_EQ(input.solarDateText, "old");
    }
}

TEST(AcceptBirthInput, ATypedHourOutsideTheClockStopsWithTheHourNotice) {
    for (const char* hour : {"午 24", "午 99", "子 -1"}) {
        BirthPanel panel = ZhangSan();
        panel.hour = hour;
        BirthInput input = OldInput();
        RecordingNotifier notifier;
        EXPECT_FALSE(AcceptBirthInput(panel, true, input, notifier)) << hour;
        EXPECT_EQ(notifier.notices, std::vector<std::string>{"请选择出生小时!"}) << hour;
    }
    BirthPanel panel = ZhangSan();
    panel.hour = "子 23";
    BirthInput input;
    RecordingNotifier notifier;
    EXPECT_TRUE(AcceptBirthInput(panel, true, input, notifier));
    EXPECT_EQ(input.hourNumber, 23);
}

TEST(AcceptBirthInput, BloodTypeIsOnlyRequiredWhenAsked) {
    BirthPanel panel = ZhangSan();
    panel.bloodType = "";
    BirthInput input = OldInput();
    RecordingNotifier notifier;
    EXPECT_TRUE(AcceptBirthInput(panel, false, input, notifier));
    EXPECT_TRUE(notifier.notices.empty());
    EXPECT_EQ(input.bloodType, "old");
}

TEST(AcceptBirthInput, GregorianInputKeepsTheTypedDate) {
    BirthPanel panel = ZhangSan();
    panel.surname = " 张 ";
    BirthInput input;
    RecordingNotifier notifier;
    ASSERT_TRUE(AcceptBirthInput(panel, true, input, notifier));
    EXPECT_EQ(input.surname, "张");
    EXPECT_EQ(input.solarDateText, "1980-1-5");
    EXPECT_EQ(input.yearText, "1980");
    EXPECT_EQ(input.monthText, "1");
    EXPECT_EQ(input.lunarDate, (LunarDate{1979, 11, 18, false}));
    EXPECT_EQ(input.lunarDateText, "己未(羊年)十一月十八");
    EXPECT_EQ(input.animal, "羊");
    EXPECT_EQ(input.starSign, "摩羯座");
    EXPECT_EQ(input.hourNumber, 12);
    EXPECT_EQ(BirthSummaryLine(input, 2026),
              "张三,你今年:46岁,您出生于公历 1980年01月05日12点  农历 己未(羊年)十一月十八 "
              "生肖:羊 星座:摩羯座");
}

TEST(AcceptBirthInput, LunarInputBecomesTheGregorianDate) {
    BirthPanel panel = ZhangSan();
    panel.calendarIndex = 1;
    panel.month = "8";
    panel.day = "3";
    BirthInput input;
    RecordingNotifier notifier;
    ASSERT_TRUE(AcceptBirthInput(panel, true, input, notifier));
    EXPECT_EQ(input.solarDateText, "1980-09-11");
    EXPECT_EQ(input.yearText, "1980");
    EXPECT_EQ(input.monthText, "09");
    EXPECT_EQ(input.dayText, "11");
    EXPECT_EQ(input.lunarDateText, "庚申(猴年)八月初三");
    EXPECT_EQ(input.animal, "猴");
    EXPECT_EQ(input.starSign, "处女座");

    // A typed calendar text that matches no item also means lunar.
    panel.calendarIndex = -1;
    BirthInput typed;
    ASSERT_TRUE(AcceptBirthInput(panel, true, typed, notifier));
    EXPECT_EQ(typed.solarDateText, "1980-09-11");
}

TEST(AcceptBirthInput, DatesWithoutACounterpartStopWithANotice) {
    struct Case {
        int calendar;
        const char* year;
        const char* month;
        const char* day;
    };
    const Case cases[] = {
        {1, "2023", "1", "30"},  // the first lunar month of 2023 has 29 days
        {1, "1900", "5", "1"},   {1, "2100", "5", "1"}, {1, "1980", "13", "1"},
        {1, "1980", "0", "1"},   {1, "1980", "1", "0"}, {0, "1899", "12", "31"},
        {0, "1900", "1", "30"},
    };
    for (const Case& c : cases) {
        BirthPanel panel = ZhangSan();
        panel.calendarIndex = c.calendar;
        panel.year = c.year;
        panel.month = c.month;
        panel.day = c.day;
        BirthInput input = OldInput();
        RecordingNotifier notifier;
        EXPECT_FALSE(AcceptBirthInput(panel, true, input, notifier)) << c.year << "-" << c.month;
        ASSERT_EQ(notifier.notices.size(), 1u);
        EXPECT_EQ(notifier.notices[0],
                  c.calendar == 1 ? "农历日期不存在或不在可换算的范围内(农历1901年至2099年)!"
                                  : "公历日期不在可换算的范围内(1900年1月31日至2100年12月31日)!");
        EXPECT_TRUE(input.lunarDateText.empty());
        EXPECT_EQ(input.yearText, c.year);  // not replaced by a Gregorian year
    }
}

TEST(AcceptBirthInput, TextsThatAreNotDatesOrNumbersRaiseConversionErrors) {
    const std::pair<BirthPanel, const char*> cases[] = {
        {[] { auto p = ZhangSan(); p.month = "2"; p.day = "30"; return p; }(),
         "'1980-2-30' is not a valid date"},
        {[] { auto p = ZhangSan(); p.year = "198x"; return p; }(), "'198x-1-5' is not a valid date"},
        {[] { auto p = ZhangSan(); p.calendarIndex = 1; p.day = "五"; return p; }(),
         "'五' is not a valid integer value"},
    };
    for (const auto& [panel, message] : cases) {
        BirthInput input;
        RecordingNotifier notifier;
        try {
            AcceptBirthInput(panel, true, input, notifier);
            ADD_FAILURE() << message;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_TRUE(notifier.notices.empty());
    }
}

TEST(BirthInputHelpers, ClockHourOfEveryHourItem) {
    for (int i = 0; i < 24; ++i) EXPECT_EQ(ClockHourOfItem(HourItems[static_cast<std::size_t>(i)]), i);
    EXPECT_EQ(HourItems[23], "子 23");
}

TEST(BirthInputHelpers, PanelListsCoverTheirRanges) {
    const auto years = YearItems();
    ASSERT_EQ(years.size(), 201u);
    EXPECT_EQ(years.front(), "1900");
    EXPECT_EQ(years.back(), "2100");
    EXPECT_EQ(MonthItems().back(), "12");
    EXPECT_EQ(DayItems().back(), "31");
    EXPECT_EQ(MinuteItems().front(), "0");
    EXPECT_EQ(MinuteItems().back(), "59");
}

TEST(BirthInputHelpers, AgesAndYearPillars) {
    BirthInput input;
    input.solarDateText = "1980-09-11";
    input.lunarDate = {1980, 8, 3, false};
    EXPECT_EQ(CurrentAge(input, 2026), 46);
    EXPECT_EQ(AgeLabel(input, 1980), "00岁");
    EXPECT_EQ(AgeLabel(input, 1989), "09岁");
    EXPECT_EQ(AgeLabel(input, 1992), "12岁");
    EXPECT_EQ(YearPillarText(1980), "庚申");
    EXPECT_EQ(YearPillarText(1984), "甲子");
}

TEST(ReportSink, LinesVisibilityAndScrollToTop) {
    ReportSink sink;
    sink.ScrollToTop();
    EXPECT_TRUE(sink.Lines().empty());
    EXPECT_FALSE(sink.Visible());
    sink.AddLine("第一行");
    sink.AddLine("");
    sink.AddLine("第三行");
    sink.ScrollToTop();
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{"第一行", "", "第三行"}));
    sink.Show();
    EXPECT_TRUE(sink.Visible());
    sink.Clear();
    EXPECT_TRUE(sink.Lines().empty());
    EXPECT_TRUE(sink.Visible());
}

}  // namespace
}  // namespace varnel
