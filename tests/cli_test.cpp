#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <sstream>

#include "cli/cli.hpp"
#include "test_support.hpp"
#include "text/gbk.hpp"

namespace varnel::cli {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = Run(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(Cli, LunarPrintsOneLinePerDate) {
    const Result r = RunCli({"lunar", "1980-9-11", "2023-03-22", "1900-1-30", "2101-01-01"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out,
              "1980 8 3 0 庚申(猴年)八月初三\n"
              "2023 2 1 1 癸卯(兔年)闰二月初一\n"
              "0 0 0 0\n"
              "0 0 0 0\n");
}

TEST(Cli, LunarWithABadDateIsAConversionError) {
    const Result r = RunCli({"lunar", "1980-2-30"});
    EXPECT_EQ(r.status, kExitError);
    EXPECT_EQ(r.err, "'1980-2-30' is not a valid date\n");
}

TEST(Cli, SolarConvertsALunarDate) {
    EXPECT_EQ(RunCli({"solar", "1980-8-3"}).out, "1980-09-11\n");
    EXPECT_EQ(RunCli({"solar", "2023-2-1", "--leap"}).out, "2023-03-22\n");
    EXPECT_EQ(RunCli({"solar", "2023-3-1", "--leap"}).out, "0001-01-01\n");
    EXPECT_EQ(RunCli({"solar", "2023-1-30"}).out, "0001-01-01\n");
    EXPECT_EQ(RunCli({"solar", "2023-x-1"}).status, kExitError);
}

TEST(Cli, JieqiPrintsTheYearsTerms) {
    const Result r = RunCli({"jieqi", "2021"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows[0].substr(0, rows[0].find('\t')), "小寒");
    EXPECT_EQ(rows[2].rfind("立春\t2021-02-03 22:5", 0), 0u) << rows[2];
    EXPECT_EQ(rows[23].substr(0, rows[23].find('\t')), "冬至");
}

TEST(Cli, JieqiOutsideTheTableIsANotice) {
    const Result r = RunCli({"jieqi", "1899"});
    EXPECT_EQ(r.status, kExitNotice);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
}

TEST(Cli, AlmanacPrintsTitleAndEntry) {
    const Result r = RunCli({"almanac", "2012-02-29"});
    EXPECT_EQ(r.status, kExitOk);
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "2012-02-29  壬辰年二月初八");
    EXPECT_EQ(lines[1], "岁次:壬辰年 壬寅月 庚申日");
    EXPECT_EQ(lines[5], "五行:石榴木 破执位");
    EXPECT_EQ(lines[13], "宜:拆卸");

    const Result impossible = RunCli({"almanac", "2013-02-29"});
    EXPECT_EQ(impossible.status, kExitNotice);
    EXPECT_EQ(impossible.err, "请选择有效的日期!\n");
    const Result outside = RunCli({"almanac", "1900-06-01"});
    EXPECT_EQ(outside.status, kExitNotice);
    EXPECT_EQ(RunCli({"almanac", "20120229"}).status, kExitUsage);
}

TEST(Cli, LibraryAndOmenPages) {
    const Result text = RunCli({"library", "b12"});
    EXPECT_EQ(text.status, kExitOk);
    EXPECT_TRUE(text.out.starts_with("朱子治家格言\n\n")) << text.out.substr(0, 40);
    EXPECT_EQ(RunCli({"library", "z9"}).status, kExitNotice);

    const Result omen = RunCli({"omen", "6"});
    EXPECT_EQ(omen.status, kExitOk);
    EXPECT_TRUE(omen.out.starts_with("耳鸣测吉凶\n说明：\n")) << omen.out;
    EXPECT_NE(omen.out.find("\n\n子时：左主女思，右主失财。丑时：左主口舌，右主争讼。\n\n"), std::string::npos);
    EXPECT_EQ(RunCli({"omen", "7"}).status, kExitUsage);
}

TEST(Cli, CalendarPrintsTheMonthAsAGrid) {
    const Result r = RunCli({"calendar", "2024-02"});
    EXPECT_EQ(r.status, kExitOk);
    const std::string expected =
        "2024年2月 卯兔\n"
        "星期日\t星期一\t星期二\t星期三\t星期四\t星期五\t星期六\n"
        "\t\t\t\t1 廿二\t2 廿三\t3 廿四\n"
        "4 立春\t5 廿六\t6 廿七\t7 廿八\t8 廿九\t9 除夕\t10 春节\n"
        "11 初二\t12 初三\t13 初四\t14 情人节\t15 初六\t16 初七\t17 初八\n"
        "18 初九\t19 雨水\t20 十一\t21 十二\t22 十三\t23 十四\t24 元宵节\n"
        "25 十六\t26 十七\t27 十八\t28 十九\t29 二十\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(RunCli({"calendar", "2024-13"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"calendar", "2024"}).status, kExitUsage);
}

TEST(Cli, JsonChartAndReport) {
    const Result chart = RunCli({"chart", "--year", "1980", "--month", "1", "--day", "5", "--hour", "12", "--minute",
                                 "30", "--json"});
    ASSERT_EQ(chart.status, kExitOk);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(chart.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << chart.out;
    const QJsonObject pillars = doc.object().value("pillars").toObject();
    EXPECT_EQ(pillars.value("year").toString().toStdString(), "己未");
    EXPECT_EQ(pillars.value("month").toString().toStdString(), "丙子");
    // 1980-01-05 lies 7301 days before 2000-01-01 (戊午, 54): (54 − 7301) mod 60 = 13, 丁丑; the
    // 午 hour of a 丁 day is 丙午.
    EXPECT_EQ(pillars.value("day").toString().toStdString(), "丁丑");
    EXPECT_EQ(pillars.value("hour").toString().toStdString(), "丙午");

    const Result report = RunCli({"report", "bazi", "--json", "--surname", "张", "--given", "三", "--year", "1980",
                                  "--month", "1", "--day", "5", "--hour", "12", "--minute", "30"});
    ASSERT_EQ(report.status, kExitOk);
    const QJsonDocument reportDoc = QJsonDocument::fromJson(QByteArray::fromStdString(report.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const Result plain = RunCli({"report", "bazi", "--surname", "张", "--given", "三", "--year", "1980", "--month", "1",
                                 "--day", "5", "--hour", "12", "--minute", "30"});
    std::string joined;
    for (const QJsonValue line : reportDoc.object().value("lines").toArray()) joined += line.toString().toStdString() + "\n";
    EXPECT_EQ(joined, plain.out);
    EXPECT_EQ(reportDoc.object().value("chart").toObject().value("pillars").toObject().value("day").toString().toStdString(),
              "丁丑");
}

TEST(Cli, TrueSolarTimeAndLateZiOptions) {
    const Result urumqi = RunCli({"chart", "--year", "2021", "--month", "2", "--day", "4", "--hour", "0", "--minute", "30",
                                  "--place", "乌鲁木齐", "--true-solar-time"});
    EXPECT_EQ(urumqi.status, kExitOk);
    EXPECT_NE(urumqi.out.find("pillars: 庚子 己丑 "), std::string::npos) << urumqi.out;
    EXPECT_EQ(RunCli({"chart", "--year", "2021", "--month", "2", "--day", "4", "--hour", "0", "--minute", "30",
                      "--true-solar-time"}).status,
              kExitUsage);
    EXPECT_EQ(RunCli({"chart", "--year", "2021", "--month", "2", "--day", "4", "--hour", "0", "--minute", "30",
                      "--place", "火星", "--true-solar-time"}).status,
              kExitNotice);
    const Result late = RunCli({"chart", "--year", "2021", "--month", "3", "--day", "10", "--hour", "23", "--minute",
                                "30", "--late-zi-next-day"});
    EXPECT_NE(late.out.find(" 戊午 壬子\n"), std::string::npos) << late.out;
}

// Whatever is typed, every command answers with one of its exit statuses: no crash, no error
// escaping, no lookup that a quote or a wildcard turns into "match everything".
TEST(Cli, BadInputGetsAnAnswer) {
    const std::string longText(3000, 'x');
    const std::vector<std::string> values = {"", "   ", "'", "%", "_", "' or '1'='1", "😀", "２０２０", "-1",
                                             "99999999999", longText};
    const std::vector<std::vector<std::string>> commands = {
        {"lunar"}, {"solar"}, {"jieqi"}, {"strokes"}, {"surname"}, {"netname"}, {"phone"}, {"qq"}, {"number"},
        {"qqpair", "12345"}, {"zhuge", "甲", "乙"}, {"fingerprint"}, {"almanac"}, {"calendar"}, {"library"},
        {"omen"}, {"suggest"}, {"hexagram", "--id"}, {"hexagram", "--code"},
        {"report", "bazi", "--year"}, {"report", "bazi", "--surname"}, {"report", "name", "--given"},
        {"report", "star", "--day"}, {"report", "bazi", "--minute"}, {"report", "bazi", "--blood"},
        {"chart", "--month", "1", "--day", "1", "--hour", "1", "--minute", "1", "--year"},
        {"chart", "--year", "1980", "--month", "1", "--day", "1", "--hour", "1", "--minute"},
        {"chart", "--year", "1980", "--month", "1", "--day", "1", "--hour", "1", "--minute", "1", "--sex"},
        {"report", "bazi", "--sex"}, {"report", "bazi", "--calendar"}, {"report", "bazi", "--hour"},
        {"report", "bazi", "--month"}, {"report", "birthinfo", "--true-solar-time", "--place"},
        {"suggest", "张", "--length"}, {"solar", "2020-1-1", "--leap"}, {"--encoding"},
    };
    for (const auto& command : commands) {
        for (const std::string& value : values) {
            std::vector<std::string> args = command;
            args.push_back(value);
            SCOPED_TRACE(args.front() + " " + args.back().substr(0, 20));
            const Result r = RunCli(args);
            EXPECT_TRUE(r.status >= kExitOk && r.status <= 3) << r.status;
        }
    }
    // A wildcard or a quote is looked up as itself.
    EXPECT_EQ(RunCli({"surname", "%"}).status, kExitNotice);
    EXPECT_EQ(RunCli({"surname", "_"}).status, kExitNotice);
    EXPECT_EQ(RunCli({"strokes", "%"}).out, "%\t0\n");
    EXPECT_EQ(RunCli({"library", "a1' or '1'='1"}).status, kExitNotice);
}

TEST(Cli, OutOfRangeAndRepeatedOptionsAndSilentStopsAreNoSuccess) {
    const std::vector<std::string> moment = {"--year", "1980", "--month", "1", "--day", "5", "--hour", "12"};
    auto with = [&](std::vector<std::string> head, std::vector<std::string> tail) {
        head.insert(head.end(), moment.begin(), moment.end());
        head.insert(head.end(), tail.begin(), tail.end());
        return RunCli(head);
    };
    const Result minute = with({"chart"}, {"--minute", "60"});
    EXPECT_EQ(minute.status, kExitUsage);
    EXPECT_NE(minute.err.find("--minute is 0 to 59"), std::string::npos) << minute.err;
    EXPECT_EQ(with({"chart", "--minute", "0"}, {"--hour", "24"}).status, kExitUsage);

    // The report reads the minute as the window does: the lines up to the lunar date, then a notice.
    const Result report = with({"report", "bazi", "--surname", "张", "--given", "三"}, {"--minute", "60"});
    EXPECT_EQ(report.status, kExitNotice);
    EXPECT_EQ(report.err, "请选择出生分钟(0至59)!\n");
    EXPECT_EQ(std::count(report.out.begin(), report.out.end(), '\n'), 5);

    const Result twice = with({"report", "bazi", "--year", "1981"}, {});
    EXPECT_EQ(twice.status, kExitUsage);
    EXPECT_NE(twice.err.find("--year is given twice"), std::string::npos) << twice.err;

    // A reading that stops silently in the window (its knowledge file cannot be read) fails here.
    const testing::KnowledgeDirOverride empty;
    const Result stopped = with({"report", "name", "--surname", "张", "--given", "三"}, {});
    EXPECT_EQ(stopped.status, kExitError);
    EXPECT_EQ(stopped.err, "varnel-cli report: the reading stopped before its end\n");
}

TEST(Cli, GbkOutputOnRequest) {
    const Result r = RunCli({"--encoding", "gbk", "lunar", "1980-9-11"});
    EXPECT_EQ(r.out, ToGbk("1980 8 3 0 庚申(猴年)八月初三\n"));
}

TEST(Cli, ChartPrintsTheRecord) {
    const Result r = RunCli({"chart", "--year", "2000", "--month", "1", "--day", "1", "--hour", "12", "--minute", "0", "--sex", "男"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_NE(r.out.find("pillars: 己卯 丙子 戊午 戊午\n"), std::string::npos);
    EXPECT_NE(r.out.find("startAge: 9\n"), std::string::npos);
    EXPECT_NE(r.out.find("luckPillars: 丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯\n"),
              std::string::npos);
    const Result bad = RunCli({"chart", "--year", "2001", "--month", "2", "--day", "29", "--hour", "0", "--minute", "0"});
    EXPECT_EQ(bad.status, kExitNotice);
    EXPECT_EQ(bad.err, "请检查输入数据是否出错！\n");
}

TEST(Cli, ReportPrintsTheReportArea) {
    const Result r = RunCli({"report", "bazi", "--surname", "张", "--given", "三", "--sex", "男", "--blood", "A型",
                             "--calendar", "solar", "--year", "1980", "--month", "1", "--day", "5", "--hour", "12",
                             "--minute", "30"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_NE(r.out.find("\n八字：己未   丙子   丁丑   丙午\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n    内心单纯"), std::string::npos);
    const Result info = RunCli({"report", "chenggu", "--surname", "张", "--given", "三", "--year", "1980", "--day", "5"});
    EXPECT_EQ(info.status, kExitOk);
    EXPECT_NE(info.out.find("--【袁天罡称骨算命】"), std::string::npos);
}

TEST(Cli, ReportNoticesAndErrors) {
    const Result notice = RunCli({"report", "bazi", "--surname", "张"});
    EXPECT_EQ(notice.status, kExitNotice);
    EXPECT_EQ(notice.err, "名不能为空!\n");
    EXPECT_EQ(notice.out, "");
    const Result conversion = RunCli({"report", "birthinfo", "--surname", "张", "--given", "三", "--month", "2", "--day", "30"});
    EXPECT_EQ(conversion.status, kExitError);
    EXPECT_EQ(conversion.err, "'1980-2-30' is not a valid date\n");
    EXPECT_EQ(RunCli({"report", "tarot", "--surname", "张", "--given", "三"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"report", "bazi", "--hour", "24"}).status, kExitUsage);
}

TEST(Cli, StrokesAndNameReadings) {
    EXPECT_EQ(RunCli({"strokes", "张王欧阳"}).out, "张\t11\n王\t4\n欧\t15\n阳\t17\n");
    const Result name = RunCli({"report", "name", "--surname", "张", "--given", "三丰", "--year", "1980", "--day", "5"});
    ASSERT_EQ(name.status, kExitOk) << name.err;
    EXPECT_NE(name.out.find("\n三才: 木火木得分(总分20)：20\n"), std::string::npos);
    const Result sancai = RunCli({"report", "sancai", "--surname", "张", "--given", "三丰", "--year", "1980"});
    ASSERT_EQ(sancai.status, kExitOk) << sancai.err;
    EXPECT_EQ(sancai.out.rfind("张三丰,您的三才为木火木,经系统分析如下:\n\n\n    ", 0), 0u);
}

TEST(Cli, NumberReadings) {
    const Result qq = RunCli({"qq", "162"});
    EXPECT_EQ(qq.out.substr(0, qq.out.find("\n吉凶")), "qq号码是：162\n状态：大展鸿图，信用得固，名利双收，可获成功");
    EXPECT_NE(RunCli({"number", "26"}).out.find("\n吉凶：凶带吉\n"), std::string::npos);
    EXPECT_EQ(RunCli({"qqpair", "12345", "67890"}).out, RunCli({"qqpair", "67890", "12345"}).out);
    EXPECT_EQ(RunCli({"qqpair", "1234", "67890"}).status, kExitNotice);
    EXPECT_EQ(RunCli({"phone", "1380000"}).status, kExitNotice);
    const Result phone = RunCli({"phone", "13800001234"});
    EXPECT_EQ(phone.status, kExitOk);
    EXPECT_EQ(phone.out.rfind("手机号码是：13800001234\n状态：", 0), 0u);
    EXPECT_NE(RunCli({"netname", "王小明"}).out.find("你的性格：反复无常"), std::string::npos);
}

TEST(Cli, NameSuggestionsAndSurnames) {
    const Result suggest = RunCli({"suggest", "王"});
    ASSERT_EQ(suggest.status, kExitOk);
    EXPECT_EQ(suggest.out.rfind("第一字:", 0), 0u);
    EXPECT_NE(suggest.out.find("\n名第一字："), std::string::npos);
    EXPECT_NE(suggest.out.find("\n名第两字："), std::string::npos);
    EXPECT_EQ(RunCli({"suggest", "王", "--length", "3"}).status, kExitUsage);
    const Result surname = RunCli({"surname", "诸葛"});
    EXPECT_EQ(surname.status, kExitOk);
    EXPECT_NE(surname.out.find("诸葛亮"), std::string::npos);
    EXPECT_EQ(RunCli({"surname", "无此姓"}).status, kExitNotice);
}

TEST(Cli, UsageErrors) {
    EXPECT_EQ(RunCli({}).status, kExitUsage);
    EXPECT_EQ(RunCli({"nonsense"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"lunar"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"jieqi", "2021", "--bogus"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"--encoding", "latin1", "lunar", "1980-1-1"}).status, kExitUsage);
    const Result help = RunCli({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("jieqi YYYY"), std::string::npos);
}

}  // namespace
}  // namespace varnel::cli
