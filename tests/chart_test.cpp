#include <gtest/gtest.h>

#include <vector>

#include "chart/attributes.hpp"
#include "chart/chart.hpp"
#include "store/failure.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "test_support.hpp"

namespace varnel {
namespace {

using testing::RecordingNotifier;

std::string Pillars(const FourPillars& c) {
    return c.yearStemName + c.yearBranchName + " " + c.monthStemName + c.monthBranchName + " " +
           c.dayStemName + c.dayBranchName + " " + c.hourStemName + c.hourBranchName;
}

FourPillars Chart(int y, int m, int d, int h, int mi, const char* sex = "男") {
    FourPillars chart;
    RecordingNotifier notifier;
    EXPECT_TRUE(ComputeChart(y, m, d, h, mi, sex, chart, notifier));
    EXPECT_TRUE(notifier.notices.empty());
    return chart;
}

TEST(ComputeChart, WorkedExample) {
    const FourPillars c = Chart(2000, 1, 1, 12, 0);
    EXPECT_EQ(Pillars(c), "己卯 丙子 戊午 戊午");
    EXPECT_EQ(c.yearStem, 6);
    EXPECT_EQ(c.yearBranch, 4);
    EXPECT_EQ(c.monthStem, 3);
    EXPECT_EQ(c.monthBranch, 1);
    EXPECT_EQ(c.dayStem, 5);
    EXPECT_EQ(c.dayBranch, 7);
    EXPECT_EQ(c.hourStem, 5);
    EXPECT_EQ(c.hourBranch, 7);
    EXPECT_TRUE(c.sexIsMale);
    EXPECT_EQ(c.beforeTerm, 0);
    EXPECT_EQ(c.backward, 1);
    EXPECT_EQ(c.startAge, 9);
    EXPECT_EQ(c.startAgeText, "9");
    EXPECT_EQ(c.conceptionPillar, "丁卯 ");
    EXPECT_EQ(c.luckPillars, "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯");
    EXPECT_EQ(c.yearHiddenStems, "乙");
    EXPECT_EQ(c.monthHiddenStems, "癸辛己");
    EXPECT_EQ(c.dayHiddenStems, "己丁");
    EXPECT_EQ(c.hourHiddenStems, "己丁");
    EXPECT_EQ(c.luckNayin, "纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 ");
    EXPECT_EQ(c.luckTenGods,
              "十神：偏印   正官   七杀   正财   偏财   伤官   食神   劫财   比肩   正印   ");
}

// The stored moment of a term, and the minutes just before and just after it.
struct TermMinutes {
    int day, hourBefore, minuteBefore, hourAfter, minuteAfter;
};
TermMinutes AroundTerm(const std::string& name, int year) {
    const auto row = QueryFirstRow(TgcodePath(), "select SJ from JQ where YearA = " + std::to_string(year) +
                                                     " and JQ = '" + name + "'");
    EXPECT_TRUE(row);
    const std::string sj = row->Text(0);
    const int day = std::stoi(sj.substr(8, 2));
    const int minutes = std::stoi(sj.substr(11, 2)) * 60 + std::stoi(sj.substr(14, 2));
    const int before = minutes - 1;  // the term falls inside minute `minutes`, after its start
    const int after = minutes + 1;
    return {day, before / 60, before % 60, after / 60, after % 60};
}

TEST(ComputeChart, YearAndMonthChangeAtTheMomentOf立春) {
    const TermMinutes t = AroundTerm("立春", 2021);
    ASSERT_EQ(t.day, 3);
    const FourPillars before = Chart(2021, 2, 3, t.hourBefore, t.minuteBefore);
    EXPECT_EQ(Pillars(before).substr(0, 13), "庚子 己丑");
    EXPECT_EQ(before.beforeTerm, -1);
    const FourPillars after = Chart(2021, 2, 3, t.hourAfter, t.minuteAfter);
    EXPECT_EQ(Pillars(after).substr(0, 13), "辛丑 庚寅");
    EXPECT_EQ(after.beforeTerm, 0);
    // The birth the fixed days got wrong: 23:30, after 立春 at about 22:59.
    EXPECT_EQ(Pillars(Chart(2021, 2, 3, 23, 30)), "辛丑 庚寅 壬午 庚子");
}

TEST(ComputeChart, MonthChangesAtTheMomentOf惊蛰On5March) {
    const TermMinutes t = AroundTerm("惊蛰", 2021);
    ASSERT_EQ(t.day, 5);
    const FourPillars before = Chart(2021, 3, 5, t.hourBefore, t.minuteBefore);
    EXPECT_EQ(Pillars(before).substr(0, 13), "辛丑 庚寅");
    EXPECT_EQ(before.beforeTerm, -1);
    const FourPillars after = Chart(2021, 3, 5, t.hourAfter, t.minuteAfter);
    EXPECT_EQ(Pillars(after).substr(0, 13), "辛丑 辛卯");
    EXPECT_EQ(after.beforeTerm, 0);
}

TEST(ComputeChart, MonthBeforeTheFirstTermOfTheYear) {
    // Early January before 小寒 still belongs to the 子 month of the previous year.
    const FourPillars c = Chart(2021, 1, 5, 8, 0);
    EXPECT_EQ(Pillars(c).substr(0, 13), "庚子 戊子");
    EXPECT_EQ(c.beforeTerm, -1);
    EXPECT_EQ(Pillars(Chart(2021, 1, 5, 12, 0)).substr(0, 13), "庚子 己丑");
}

TEST(ComputeChart, FixedDaysWhenTheTermTableCannotBeRead) {
    const testing::KnowledgeDirOverride none;
    const FourPillars evening = Chart(2021, 2, 3, 23, 30);
    EXPECT_EQ(Pillars(evening), "庚子 己丑 壬午 庚子");
    EXPECT_EQ(evening.beforeTerm, 0);
    EXPECT_EQ(Pillars(Chart(2021, 2, 4, 0, 30)).substr(0, 13), "辛丑 庚寅");
    EXPECT_EQ(Pillars(Chart(2021, 3, 5, 20, 0)).substr(0, 13), "辛丑 庚寅");
    EXPECT_EQ(Pillars(Chart(2021, 3, 6, 0, 0)).substr(0, 13), "辛丑 辛卯");
    const FourPillars c = Chart(2000, 1, 1, 12, 0);
    EXPECT_EQ(Pillars(c), "己卯 丙子 戊午 戊午");
    EXPECT_EQ(c.luckNayin, "纳音：          ");  // lookups swallowed, ten empty entries
}

TEST(ComputeChart, DayAndHourPillars) {
    EXPECT_EQ(Pillars(Chart(1900, 2, 20, 1, 0)).substr(14, 6), "甲子");
    const FourPillars late = Chart(1990, 6, 15, 23, 10);
    const FourPillars early = Chart(1990, 6, 15, 0, 10);
    EXPECT_EQ(Pillars(late), Pillars(early));
    EXPECT_EQ(late.hourBranchName, "子");
    EXPECT_EQ(late.hourHiddenStems, "癸");
    EXPECT_EQ(Chart(1990, 6, 15, 1, 0).hourBranchName, "丑");
    EXPECT_EQ(Chart(1990, 6, 15, 22, 0).hourBranchName, "亥");
    EXPECT_EQ(Chart(1990, 6, 15, 22, 0).hourHiddenStems, "壬甲");
}

TEST(ComputeChart, DirectionOfTheLuckPillars) {
    // 1984 甲子 is a yang year, 1985 乙丑 a yin year (births in summer, well after 立春).
    const struct {
        int year;
        const char* sex;
        int backward;
    } cases[] = {{1984, "男", 0}, {1984, "女", 1}, {1985, "男", 1}, {1985, "女", 0}};
    for (const auto& c : cases) {
        const FourPillars chart = Chart(c.year, 7, 1, 12, 0, c.sex);
        EXPECT_EQ(chart.backward, c.backward) << c.year << c.sex;
        EXPECT_EQ(chart.luckPillars.substr(0, 6), chart.monthStemName + chart.monthBranchName);
        EXPECT_EQ(chart.sexIsMale, std::string(c.sex) == "男");
    }
    EXPECT_EQ(Chart(1984, 7, 1, 12, 0, "男").luckPillars.substr(9, 6), "辛未");
    EXPECT_EQ(Chart(1984, 7, 1, 12, 0, "女").luckPillars.substr(9, 6), "己巳");
}

TEST(ComputeChart, StartAgeFromTheDaysToTheTerm) {
    const std::pair<int, int> cases[] = {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {25, 9}, {27, 9},
                                         {28, 10}, {30, 10}, {31, 1}, {32, 1}, {33, 1}};
    for (const auto& [days, age] : cases) EXPECT_EQ(StartAgeFromDays(days), age) << days;
    // A birth the day before 立春 by the formula (2000-02-04), running forward: j = 1.
    const FourPillars c = Chart(2000, 2, 3, 12, 0, "女");  // 己卯 year, yin: a woman runs forward
    EXPECT_EQ(c.backward, 0);
    EXPECT_EQ(c.startAge, 1);
}

TEST(ComputeChart, ImpossibleDaysAreRejectedAndLeaveTheChart) {
    FourPillars chart = Chart(2000, 1, 1, 12, 0);
    const FourPillars before = chart;
    for (const auto& [m, d] : std::vector<std::pair<int, int>>{{2, 29}, {4, 31}, {6, 31}, {9, 31}, {11, 31}, {2, 30}}) {
        RecordingNotifier notifier;
        EXPECT_FALSE(ComputeChart(2001, m, d, 12, 0, "男", chart, notifier)) << m << "-" << d;
        EXPECT_EQ(notifier.notices, std::vector<std::string>{"请检查输入数据是否出错！"});
        EXPECT_EQ(Pillars(chart), Pillars(before));
    }
    RecordingNotifier notifier;
    EXPECT_TRUE(ComputeChart(2000, 2, 29, 12, 0, "男", chart, notifier));
    EXPECT_TRUE(ComputeChart(2001, 1, 31, 12, 0, "男", chart, notifier));
    EXPECT_TRUE(ComputeChart(2001, 3, 31, 12, 0, "男", chart, notifier));
    EXPECT_TRUE(notifier.notices.empty());
    // A moment that cannot be built at all ends the command silently.
    EXPECT_THROW(ComputeChart(2001, 1, 32, 12, 0, "男", chart, notifier), CommandCancelled);
    EXPECT_THROW(ComputeChart(2001, 1, 1, 24, 0, "男", chart, notifier), CommandCancelled);
}

TEST(ChartAttributes, HiddenStemsFollowTheirOwnCalendars) {
    EXPECT_EQ(Chart(2001, 1, 2, 12, 0).monthHiddenStems, "癸辛己");  // 丑 by the Gregorian month
    const FourPillars c = Chart(2017, 1, 30, 12, 0);
    EXPECT_EQ(c.yearStemName + c.yearBranchName, "丙申");
    EXPECT_EQ(c.yearHiddenStems, "辛");  // the lunar year of the next term is 丁酉
}

TEST(ChartAttributes, Lookups) {
    EXPECT_EQ(ElementOfName("辰"), "土");
    EXPECT_EQ(ElementOfName("癸"), "水");
    EXPECT_EQ(ElementOfName("x"), "");
    EXPECT_EQ(TenGodOf("甲丙"), "食神");
    EXPECT_EQ(NayinOf("甲子"), "海中金");
    EXPECT_EQ(GrowthPhaseOf("甲子"), "沐浴");
    EXPECT_EQ(GrowthPhaseOf("乙丑"), "衰  ");
    EXPECT_FALSE(SeasonUsefulGodText("木", "春").empty());
    EXPECT_FALSE(SeasonDayStemText("甲", "寅").empty());
    EXPECT_EQ(SeasonDayStemText("甲", "甲"), "");
}

TEST(ChartAttributes, ElementCount) {
    EXPECT_EQ(ElementCount("土木   火水   土火   土火"),
              "金:占0个 0, 木:占1个 0.125, 水:占1个 0.125, 火:占3个 0.375, 土:占3个 0.375.");
    EXPECT_EQ(ElementCount("金金   金金   金金   金金"),
              "金:占8个 1, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0.");
    // An empty lookup shifts the layout: the shifted positions count for nothing.
    EXPECT_EQ(ElementCount("土   火水   土火   土火"),
              "金:占0个 0, 木:占0个 0, 水:占1个 0.125, 火:占2个 0.25, 土:占1个 0.125.");
}

TEST(ChartAttributes, StemBranchIndex) {
    EXPECT_EQ(StemBranchIndex("癸", false), 9);
    EXPECT_EQ(StemBranchIndex("亥", true), 11);
    EXPECT_EQ(StemBranchIndex("甲", true), 0);
    EXPECT_EQ(StemBranchIndex("丙", false), 2);
}

}  // namespace
}  // namespace varnel
