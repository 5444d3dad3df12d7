#include <gtest/gtest.h>

#include <fstream>

#include "calendar/sexagenary.hpp"
#include "chart/birth_readings.hpp"
#include "reports/birth_reports.hpp"
#include "reports/command_dispatch.hpp"
#include "store/failure.hpp"
#include "test_support.hpp"
#include "text/conversion_error.hpp"

namespace varnel {
namespace {

using Lines = std::vector<std::string>;

BirthPanel Panel(const char* surname, const char* given, const char* sex, const char* blood, int calendar,
                 const char* year, const char* month, const char* day, const char* hour, const char* minute) {
    BirthPanel panel;
    panel.surname = surname;
    panel.givenName = given;
    panel.sex = sex;
    panel.bloodType = blood;
    panel.calendarIndex = calendar;
    panel.year = year;
    panel.month = month;
    panel.day = day;
    panel.hour = hour;
    panel.minute = minute;
    return panel;
}

BirthPanel ZhangSan() { return Panel("张", "三", "男", "A型", 0, "1980", "1", "5", "午 12", "30"); }

// Runs a report action the way the main window does; the current year is 2026.
struct ReportRun {
    explicit ReportRun(BirthPanel p) : panel(std::move(p)) {}
    BirthPanel panel;
    BirthInput input;
    FourPillars chart;
    ReportSink report;
    testing::RecordingNotifier notifier;
    BirthReportContext Context() { return {panel, input, chart, report, notifier, 2026}; }

    const Lines& Detailed() {
        auto context = Context();
        DetailedReportAction(context);
        return report.Lines();
    }
    const Lines& Information(BirthInformationKind kind) {
        auto context = Context();
        BirthInformationAction(context, kind);
        return report.Lines();
    }
};

void ExpectSameLines(const Lines& actual, const Lines& expected, const std::string& name) {
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << name << " line " << i + 1;
    }
    EXPECT_EQ(actual.size(), expected.size()) << name;
}

struct GoldenCase {
    const char* name;
    BirthPanel panel;
};

const GoldenCase kGoldenCases[] = {
    {"zhangsan", ZhangSan()},
    {"lunar", Panel("李", "四", "女", "B型", 1, "1985", "8", "15", "子 23", "5")},
    {"female", Panel("王", "芳", "女", "O型", 0, "1990", "10", "20", "巳 10", "0")},
    {"startage1", Panel("赵", "一", "男", "AB型", 0, "1984", "7", "4", "辰 8", "15")},
    {"startage10", Panel("钱", "十", "男", "A型", 0, "1984", "6", "8", "辰 8", "15")},
};

TEST(DetailedReport, MatchesTheReportsWorkedOutByHand) {
    for (const GoldenCase& c : kGoldenCases) {
        ReportRun run(c.panel);
        const std::string name = std::string("bazi-") + c.name + ".txt";
        ExpectSameLines(run.Detailed(), testing::ReadExpectedReport(name), name);
        EXPECT_TRUE(run.report.Visible());
        EXPECT_TRUE(run.notifier.notices.empty());
    }
}

TEST(BirthInformationReport, MatchesTheReportsWorkedOutByHand) {
    const std::pair<BirthInformationKind, const char*> kinds[] = {
        {BirthInformationKind::Plain, "birthinfo-zhangsan.txt"},
        {BirthInformationKind::BoneWeight, "chenggu-zhangsan.txt"},
        {BirthInformationKind::BloodType, "blood-zhangsan.txt"},
    };
    for (const auto& [kind, name] : kinds) {
        ReportRun run(ZhangSan());
        ExpectSameLines(run.Information(kind), testing::ReadExpectedReport(name), name);
    }
}

TEST(DetailedReport, AFailedCheckWritesNothing) {
    ReportRun run(ZhangSan());
    run.report.AddLine("earlier reading");
    run.panel.givenName = "";
    EXPECT_EQ(run.Detailed(), Lines{"earlier reading"});
    EXPECT_EQ(run.notifier.notices, Lines{"名不能为空!"});
    EXPECT_FALSE(run.report.Visible());
}

TEST(DetailedReport, AMinuteThatIsNoClockMinuteEndsTheReportAfterTheLunarLineWithANotice) {
    for (const char* minute : {"abc", "60", "-1", "", "９"}) {
        SCOPED_TRACE(minute);
        ReportRun run(ZhangSan());
        run.panel.minute = minute;
        const Lines& lines = run.Detailed();
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[2], "生日（公历）：1980年01月05日12点" + std::string(minute) + "分");
        EXPECT_EQ(lines[4], "生日（农历）：己未(羊年)十一月十八午时" + std::string(minute) + "分");
        EXPECT_TRUE(run.report.Visible());
        EXPECT_EQ(run.notifier.notices, Lines{"请选择出生分钟(0至59)!"});
    }
    for (const char* minute : {"0", "59", " 7 "}) {
        ReportRun run(ZhangSan());
        run.panel.minute = minute;
        EXPECT_GT(run.Detailed().size(), 100u) << minute;
        EXPECT_TRUE(run.notifier.notices.empty()) << minute;
    }
}

TEST(DetailedReport, AnUnreadableRuleFolderEndsTheReportAtTheSpiritStars) {
    const testing::KnowledgeDirOverride none;
    ReportRun run(ZhangSan());
    const Lines& lines = run.Detailed();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "");  // the blank under "四柱神煞："
    EXPECT_EQ(lines[lines.size() - 2], "四柱神煞：");
    EXPECT_EQ(lines[6], "胎元：丁卯()");  // swallowed lookups print around the empty answer
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

std::size_t IndexOf(const Lines& lines, std::string_view prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) == 0) return i;
    }
    return lines.size();
}

TEST(DetailedReport, TablesForStartAgeThree) {
    ReportRun run(Panel("孙", "三", "男", "A型", 0, "1980", "6", "28", "辰 8", "15"));
    const Lines& lines = run.Detailed();
    ASSERT_EQ(run.chart.startAge, 3);
    EXPECT_EQ(lines[IndexOf(lines, "起运：") + 14], "      1-2岁   3岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
    const std::size_t annual = IndexOf(lines, "流年：");
    EXPECT_TRUE(StartsWith(lines[annual], "流年：庚申   癸亥")) << lines[annual];
    EXPECT_TRUE(StartsWith(lines[annual + 2], "      壬戌")) << lines[annual + 2];
    EXPECT_EQ(lines[annual + 3], "             丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌");
    const std::size_t minor = IndexOf(lines, "小运：");
    EXPECT_TRUE(StartsWith(lines[minor + 1], "      00岁")) << lines[minor + 1];
    EXPECT_TRUE(StartsWith(lines[minor + 7], std::string(13, ' ') + "06岁")) << lines[minor + 7];
    // The month pillars of the years: N + 90 lines from the lunar birth year.
    const std::size_t months = IndexOf(lines, "1980(庚申)：");
    EXPECT_EQ(lines[months], "1980(庚申)：戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌 丁亥 戊子 己丑");
    EXPECT_TRUE(StartsWith(lines[months + 92], "2072(壬辰)："));
    EXPECT_EQ(lines[months + 93], "");
}

TEST(DetailedReport, BackwardMinorLuckStartsFromTheHourPillar) {
    ReportRun run(ZhangSan());  // 己未 year, male: backward
    const Lines& lines = run.Detailed();
    ASSERT_EQ(run.chart.backward, 1);
    const std::size_t minor = IndexOf(lines, "小运：");
    EXPECT_TRUE(StartsWith(lines[minor], "小运：丙午")) << lines[minor];              // the hour pillar
    EXPECT_TRUE(StartsWith(lines[minor + 2], "      乙巳")) << lines[minor + 2];          // one step back
    EXPECT_TRUE(StartsWith(lines[minor], "小运：丙午   丙申"));  // column 1: 丙午 moved back ten steps
}

TEST(DetailedReport, LeapMonthBirthHasNoUsefulGodLine) {
    ReportRun run(Panel("周", "闰", "男", "O型", 0, "2023", "3", "25", "午 12", "0"));
    const Lines& lines = run.Detailed();
    ASSERT_TRUE(run.input.lunarDate.isLeap);
    EXPECT_EQ(IndexOf(lines, "用神喜忌："), lines.size());
    const std::size_t counsel = IndexOf(lines, "穷通宝鉴调候用神：");
    ASSERT_LT(counsel, lines.size());
    EXPECT_EQ(lines[counsel - 1], "");
    EXPECT_EQ(lines[counsel - 2], "");  // item 32, with item 33 left out
}

TEST(DetailedReport, BoneWeighingBeforeTheTermInLunarMonthOneUsesMonthTwelve) {
    // 2021-03-05 is 正月廿二, and 惊蛰 falls that afternoon.
    ReportRun run(Panel("吴", "前", "女", "B型", 0, "2021", "3", "5", "巳 10", "0"));
    const Lines& lines = run.Detailed();
    ASSERT_EQ(run.chart.beforeTerm, -1);
    const std::size_t bone = IndexOf(lines, "袁天罡称骨算命：");
    ASSERT_LT(bone + 3, lines.size());
    EXPECT_EQ(lines[bone + 1], BoneWeightReading("2021", "12", "22", "10", 0));
    EXPECT_EQ(lines[bone + 2], BoneWeightReading("2021", "12", "22", "10", 1));
    EXPECT_EQ(lines[bone + 3], BoneWeightReading("2021", "12", "22", "10", 2));
    EXPECT_NE(lines[bone + 1], BoneWeightReading("2021", "1", "22", "10", 0));

    // The birth information report never moves the month.
    ReportRun info(run.panel);
    const Lines& infoLines = info.Information(BirthInformationKind::BoneWeight);
    const std::size_t heading = IndexOf(infoLines, "--【袁天罡称骨算命】");
    ASSERT_LT(heading + 1, infoLines.size());
    EXPECT_EQ(infoLines[heading + 1], BoneWeightReading("2021", "1", "22", "10", 0));
}

TEST(DetailedReport, LunarYear1900InTheMonthPillarTable) {
    ReportRun run(Panel("郑", "初", "男", "A型", 0, "1900", "6", "1", "午 12", "0"));
    const Lines& lines = run.Detailed();
    const std::size_t months = IndexOf(lines, "1900(庚子)：");
    ASSERT_LT(months, lines.size());
    EXPECT_EQ(lines[months], "1900(庚子)：戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌 丁亥 戊子 己丑");
}

TEST(BirthInformationReport, SeasonByTheGregorianMonth) {
    const std::pair<const char*, const char*> cases[] = {
        {"3", "生于春季，"}, {"4", "生于夏季，"}, {"9", "生于秋季，"}, {"10", "生于冬季，"}};
    for (const auto& [month, phrase] : cases) {
        ReportRun run(Panel("冯", "季", "男", "A型", 0, "1988", month, "15", "午 12", "0"));
        const Lines& lines = run.Information(BirthInformationKind::Plain);
        const std::size_t season = IndexOf(lines, "四季用神：日主天干");
        ASSERT_LT(season, lines.size()) << month;
        EXPECT_NE(lines[season].find(phrase), std::string::npos) << month;
        EXPECT_EQ(IndexOf(lines, "用神喜忌："), lines.size());
    }
    // A leap-month birth still has its line.
    ReportRun leap(Panel("周", "闰", "男", "O型", 0, "2023", "3", "25", "午 12", "0"));
    const Lines& lines = leap.Information(BirthInformationKind::Plain);
    EXPECT_NE(lines[IndexOf(lines, "四季用神：日主天干")].find("生于春季，"), std::string::npos);
}

TEST(BirthInformationReport, WritesIntoTheAreaWithoutShowingIt) {
    ReportRun run(ZhangSan());
    run.Information(BirthInformationKind::Plain);
    EXPECT_FALSE(run.report.Visible());
    EXPECT_EQ(run.report.Lines().back(), "--以上内容紧着参考---------------------------------------------");
}

class RecordingErrors : public ErrorReporter {
public:
    void ShowError(std::string_view message) override { errors.emplace_back(message); }
    Lines errors;
};

TEST(CommandDispatch, TheFourWaysACommandEnds) {
    RecordingErrors errors;
    EXPECT_EQ(RunCommand([] {}, errors), CommandOutcome::Done);
    EXPECT_EQ(RunCommand([] { throw CommandCancelled(); }, errors), CommandOutcome::Cancelled);
    EXPECT_TRUE(errors.errors.empty());
    EXPECT_EQ(RunCommand([] { throw StoreError("no such table: sancai2009"); }, errors), CommandOutcome::Failed);
    EXPECT_EQ(RunCommand([] { throw ConversionError("'1980-2-30' is not a valid date"); }, errors),
              CommandOutcome::Failed);
    EXPECT_EQ(errors.errors, (Lines{"no such table: sancai2009", "'1980-2-30' is not a valid date"}));
}

TEST(CommandDispatch, AnImpossibleDateInThePanelIsAConversionError) {
    ReportRun run(ZhangSan());
    run.panel.month = "2";
    run.panel.day = "30";
    RecordingErrors errors;
    auto context = run.Context();
    EXPECT_EQ(RunCommand([&] { DetailedReportAction(context); }, errors), CommandOutcome::Failed);
    EXPECT_EQ(errors.errors, Lines{"'1980-2-30' is not a valid date"});
    EXPECT_TRUE(run.report.Lines().empty());
}

TEST(ChartOptions, OffTheReportsAreUnchanged) {
    BirthPanel withPlace = ZhangSan();
    withPlace.birthplace = "乌鲁木齐";
    ReportRun plain(ZhangSan());
    ReportRun placed(withPlace);
    EXPECT_EQ(placed.Detailed(), plain.Detailed());
    EXPECT_EQ(placed.Information(BirthInformationKind::BoneWeight), plain.Information(BirthInformationKind::BoneWeight));
}

TEST(ChartOptions, TrueSolarTimeShowsBothTimesAndChartsTheLocalOne) {
    BirthPanel panel = Panel("张", "三", "男", "A型", 0, "2021", "2", "4", "子 0", "30");
    panel.birthplace = "乌鲁木齐";
    panel.trueSolarTime = true;
    ReportRun run(panel);
    const Lines& lines = run.Detailed();
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[2], "生日（公历）：2021年02月04日0点30分  真太阳时（乌鲁木齐）：2021年02月03日22点7分");  // −129.5 − 13.9 min: 22:06.6
    EXPECT_EQ(run.chart.yearStemName + run.chart.yearBranchName + run.chart.monthStemName + run.chart.monthBranchName,
              "庚子己丑");

    panel.birthplace = "火星";
    ReportRun unknown(panel);
    EXPECT_TRUE(unknown.Detailed().empty());
    EXPECT_EQ(unknown.notifier.notices, Lines{"没有找到这个出生地，请从列表中选择!"});
    panel.birthplace = " ";
    ReportRun empty(panel);
    EXPECT_TRUE(empty.Detailed().empty());
    EXPECT_EQ(empty.notifier.notices, Lines{"请选择出生地!"});
}

}  // namespace
}  // namespace varnel
