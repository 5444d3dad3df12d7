#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <tuple>

#include "names/grids.hpp"
#include "names/name_report.hpp"
#include "names/name_suggestion.hpp"
#include "names/numerology.hpp"
#include "names/three_talents.hpp"
#include "reports/command_dispatch.hpp"
#include "store/failure.hpp"
#include "store/paths.hpp"
#include "store/unscramble.hpp"
#include "test_support.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A BrennFile.dll of our own: a few characters with chosen stroke counts.
class FixtureStrokes : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                                "create table bihua (num text, hanzi text);"
                                "insert into bihua values ('4', '文'), ('5', '侯'), ('6', '华'), ('7', '李'),"
                                "('8', '林'), ('9', '明'), ('10', '夏');");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_ = varnel::testing::TestTempDir("varnel-fixture-strokes");
};

std::array<int, 5> Grids(std::string_view surname, std::string_view given) {
    std::array<int, 5> grids{};
    for (int kind = 0; kind < 5; ++kind) grids[static_cast<std::size_t>(kind)] = GridNumber(surname, given, kind);
    return grids;  // 天 地 人 总 外
}

TEST_F(FixtureStrokes, FiveGridsOfSingleAndDoubleNames) {
    const testing::KnowledgeDirOverride knowledge(dir_);
    struct Case {
        const char* surname;
        const char* given;
        std::array<int, 5> heavenEarthPersonTotalOuter;
    };
    const Case cases[] = {
        {"李", "林", {8, 9, 15, 15, 2}},
        {"李", "林明", {8, 17, 15, 24, 10}},
        {"夏侯", "华", {15, 7, 11, 21, 11}},
        {"文侯", "华李", {9, 13, 11, 22, 12}},
    };
    for (const Case& c : cases) EXPECT_EQ(Grids(c.surname, c.given), c.heavenEarthPersonTotalOuter) << c.surname << c.given;
    EXPECT_EQ(ThreeTalentsTitle(8, 15, 9), "金土水");
    EXPECT_EQ(GridNumber("李", "林", 5), 0);
    EXPECT_EQ(GridNumber("李", "林", -1), 0);
    // A character the table lacks counts 0: a single surname gives 天格 1.
    EXPECT_EQ(StrokeCount("无"), 0);
    EXPECT_EQ(StrokeCount("%"), 0);  // a wildcard typed into a name matches no row
    EXPECT_EQ(StrokeCount("_"), 0);
    EXPECT_EQ(GridNumber("无", "林", GridKind::HeavenGrid), 1);
    EXPECT_EQ(GridNumber("无", "林", GridKind::PersonGrid), 8);
}

TEST(Strokes, NameNumerologyCountsOnTheBuiltTable) {
    const std::pair<const char*, int> cases[] = {
        {"张", 11}, {"王", 4},  {"李", 7},  {"刘", 15}, {"陈", 16}, {"林", 8},  {"江", 7},  {"郑", 19},
        {"苏", 22}, {"胡", 11}, {"肖", 9},  {"陆", 16}, {"一", 1},  {"四", 4},  {"五", 5},  {"九", 9},
        {"十", 10}, {"玲", 10}, {"海", 11}, {"恒", 10}, {"扬", 13}, {"芳", 10}, {"郭", 15}, {"阳", 17},
        {"礼", 18}, {"初", 7},  {"腾", 20}, {"进", 15}, {"狮", 14}, {"红", 9},  {"后", 6},  {"范", 11}};
    for (const auto& [character, strokes] : cases) EXPECT_EQ(StrokeCount(character), strokes) << character;
}

TEST(Strokes, AnUnreadableTableCancelsTheCommand) {
    const testing::KnowledgeDirOverride none;
    EXPECT_THROW(StrokeCount("张"), CommandCancelled);
}

TEST(Numerology, ElementOfANumber) {
    const std::pair<int, const char*> cases[] = {{1, "木"}, {2, "木"}, {3, "火"}, {14, "火"}, {25, "土"},
                                                 {16, "土"}, {7, "金"}, {18, "金"}, {9, "水"}, {10, "水"},
                                                 {20, "水"}, {0, "水"}, {-3, ""}};
    for (const auto& [n, element] : cases) EXPECT_EQ(NumberElement(n), element) << n;
}

TEST(Numerology, LuckClassLists) {
    EXPECT_EQ(LuckClass(81), "吉");
    EXPECT_EQ(LuckClass(80), "凶");
    EXPECT_EQ(LuckClass(6), "半吉");
    EXPECT_EQ(LuckClass(82), "");
    EXPECT_EQ(LuckClass(0), "");
    int lucky = 0, half = 0, unlucky = 0;
    for (int n = 1; n <= 81; ++n) {
        const std::string_view c = LuckClass(n);
        lucky += c == "吉";
        half += c == "半吉";
        unlucky += c == "凶";
    }
    EXPECT_EQ(lucky, 32);
    EXPECT_EQ(half, 14);
    EXPECT_EQ(unlucky, 35);
}

TEST(Numerology, VerseOfNumber) {
    EXPECT_EQ(VerseOfNumber("81"), EightyOneVerses[0]);
    EXPECT_EQ(VerseOfNumber("162"), EightyOneVerses[0]);
    EXPECT_EQ(VerseOfNumber("0"), EightyOneVerses[0]);
    EXPECT_EQ(VerseOfNumber("1"), EightyOneVerses[1]);
    EXPECT_EQ(VerseOfNumber("80"), EightyOneVerses[80]);
    EXPECT_EQ(VerseOfNumber("999999999999999999"), EightyOneVerses[999999999999999999LL % 81]);
    EXPECT_EQ(VerseOfNumber("-5"), kNumberRefusal);
    for (const char* bad : {"", "12a", "abc", "1 2", "99999999999999999999"}) EXPECT_EQ(VerseOfNumber(bad), kNumberRefusal) << bad;
    EXPECT_EQ(EightyOneVerses[0],
              "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，"
              "性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。");
    EXPECT_EQ(EightyOneVerses[26].substr(0, EightyOneVerses[26].find("|主人")), "一成一败，一盛一衰，惟靠谨慎，可守成功|凶带吉");
}

TEST(Numerology, TheEightyOneRowsAreComplete) {
    std::set<std::string_view> verses;
    std::map<std::string, int> lucks;
    for (std::size_t k = 0; k < EightyOneVerses.size(); ++k) {
        const std::string_view row = EightyOneVerses[k];
        const std::size_t bar1 = row.find('|');
        const std::size_t bar2 = row.find('|', bar1 + 1);
        ASSERT_NE(bar2, std::string_view::npos) << k;
        EXPECT_TRUE(verses.insert(row.substr(0, bar1)).second) << k;
        EXPECT_EQ(GbkLength(row.substr(0, bar1)), 38u) << k;  // four phrases of four characters
        ++lucks[std::string(row.substr(bar1 + 1, bar2 - bar1 - 1))];
        EXPECT_EQ(row.substr(bar2 + 1).rfind("主人性格类型：[", 0), 0u) << k;
        EXPECT_GE(GbkLength(row), 188u) << k;
        EXPECT_LE(GbkLength(row), 248u) << k;
    }
    EXPECT_EQ(lucks, (std::map<std::string, int>{{"吉", 35}, {"凶", 30}, {"吉带凶", 13}, {"凶带吉", 3}}));
}

TEST(NameScores, GridScoresByLuckClassAndWeight) {
    EXPECT_EQ(GridScore(8, GridKind::HeavenGrid), 10);
    EXPECT_EQ(GridScore(9, GridKind::EarthGrid), 7);
    EXPECT_EQ(GridScore(6, GridKind::OuterGrid), 8.5);
    EXPECT_EQ(GridScore(15, GridKind::PersonGrid), 30);
    EXPECT_EQ(GridScore(17, GridKind::PersonGrid), 25.5);
    EXPECT_EQ(GridScore(2, GridKind::PersonGrid), 21);
    EXPECT_EQ(GridScore(15, GridKind::TotalGrid), 20);
    EXPECT_EQ(GridScore(6, GridKind::TotalGrid), 17);
    EXPECT_EQ(GridScore(4, GridKind::TotalGrid), 14);
    EXPECT_EQ(GridScore(82, GridKind::PersonGrid), 0);
    EXPECT_EQ(ScoreText(74), "74");
    EXPECT_EQ(ScoreText(8.5), "8.5");
    EXPECT_EQ(ScoreText(100), "100");
    EXPECT_EQ(ScoreText(-1), "-1");
    EXPECT_EQ(ScoreText(25.5 + 8.5 + 17 + 7 + 10 + 12), "80");
}

TEST_F(FixtureStrokes, ThreeTalentsGradesAndTexts) {
    testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                            "create table sancai (title text, djc integer, content text);"
                            "insert into sancai values ('木木木', 1, '" + Scramble("甲木成林") + "'),"
                            "('木木火', 7, ''), ('木木土', 0, ''), ('木木金', 8, ''), ('木木水', 4, '');");
    const testing::KnowledgeDirOverride knowledge(dir_);
    EXPECT_EQ(ThreeTalentsScore("木木木"), 20);
    EXPECT_EQ(ThreeTalentsScore("木木火"), 12);
    EXPECT_EQ(ThreeTalentsScore("木木水"), 15);
    EXPECT_EQ(ThreeTalentsScore("木木土"), -1);
    EXPECT_EQ(ThreeTalentsScore("木木金"), -1);
    EXPECT_EQ(ThreeTalentsScore("火火火"), -1);
    EXPECT_EQ(ThreeTalentsText("木木木"), "甲木成林");
    EXPECT_EQ(ThreeTalentsText("火火火"), "无结果,请听下回分解");
}

TEST_F(FixtureStrokes, ThreeTalentsCommandUsesTheNameLastAccepted) {
    const testing::KnowledgeDirOverride knowledge(dir_);
    testing::WriteFixtureDb(dir_ / "BrennFile.dll", "create table sancai (title text, djc integer, content text);");
    BirthInput input;
    ReportSink report;
    report.AddLine("earlier");
    ThreeTalentsAction(input, report);  // nothing accepted yet
    EXPECT_EQ(report.Lines(), Lines{"earlier"});
    input.surname = "李";
    input.givenName = "林";
    ThreeTalentsAction(input, report);
    EXPECT_EQ(report.Lines(), (Lines{"李林,您的三才为金土水,经系统分析如下:", "", "", "    无结果,请听下回分解"}));
    EXPECT_FALSE(report.Visible());
}

TEST_F(FixtureStrokes, ThreeTalentsCommandLeavesTheReportWhenTheTableFails) {
    const testing::KnowledgeDirOverride knowledge(dir_);  // no sancai table
    BirthInput input;
    input.surname = "李";
    input.givenName = "林";
    ReportSink report;
    report.AddLine("earlier");
    EXPECT_THROW(ThreeTalentsAction(input, report), CommandCancelled);
    EXPECT_EQ(report.Lines(), Lines{"earlier"});
}

class RecordingErrors : public ErrorReporter {
public:
    void ShowError(std::string_view message) override { errors.emplace_back(message); }
    Lines errors;
};

BirthPanel LiLin() {
    BirthPanel panel;
    panel.surname = "李";
    panel.givenName = "林";
    panel.day = "5";
    return panel;
}

// The real tables 81 and sancai, a fixture sancai2009.
class NameReportFixture : public FixtureStrokes {
protected:
    void SetUp() override {
        FixtureStrokes::SetUp();
        testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                                "attach database '" + (KnowledgeDir() / "BrennFile.dll").string() + "' as real;"
                                "create table \"81\" as select * from real.\"81\";"
                                "create table sancai as select * from real.sancai;");
    }
};

TEST_F(NameReportFixture, WithoutASancai2009RowTheReportGoesToTheImplications) {
    testing::WriteFixtureDb(dir_ / "BrennFile.dll", "create table sancai2009 (title text, yy text);");
    const testing::KnowledgeDirOverride knowledge(dir_);
    BirthInput input;
    ReportSink report;
    testing::RecordingNotifier notifier;
    NameReport(LiLin(), input, report, notifier, 2026);
    const Lines& lines = report.Lines();
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[6], "天格: 8 吉 得分(总分10)：10");
    EXPECT_EQ(lines[7], "地格: 9 凶 得分(总分10)：7");
    EXPECT_EQ(lines[8], "人格: 15 吉 得分(总分30)：30");
    EXPECT_EQ(lines[9], "总格: 15 吉 得分(总分20)：20");
    EXPECT_EQ(lines[10], "外格: 2 凶 得分(总分10)：7");
    const double talents = ThreeTalentsScore("金土水");
    EXPECT_EQ(lines[11], "三才: 金土水得分(总分20)：" + ScoreText(talents));
    EXPECT_EQ(lines[12], "综合总分: " + ScoreText(74 + talents));
    std::size_t outer = 0;
    while (outer < lines.size() && lines[outer].rfind("【外格2的解析】", 0) != 0) ++outer;
    ASSERT_LT(outer + 8, lines.size());
    EXPECT_EQ(lines[outer + 6], std::string(65, '-'));
    EXPECT_EQ(lines[outer + 7], "");
    EXPECT_EQ(lines[outer + 8].rfind("【天格8数理暗示】：", 0), 0u);
    EXPECT_EQ(lines.back(), "--以上测算紧着参考" + std::string(48, '-'));
    EXPECT_TRUE(report.Visible());
}

TEST_F(NameReportFixture, AFailingSancai2009LookupIsTheErrorBoxAfterTheGridBlocks) {
    const testing::KnowledgeDirOverride knowledge(dir_);  // no sancai2009 table at all
    BirthInput input;
    ReportSink report;
    testing::RecordingNotifier notifier;
    RecordingErrors errors;
    EXPECT_EQ(RunCommand([&] { NameReport(LiLin(), input, report, notifier, 2026); }, errors), CommandOutcome::Failed);
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_NE(errors.errors[0].find("no such table: sancai2009"), std::string::npos);
    const Lines& lines = report.Lines();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[lines.size() - 6].rfind("【外格2的解析】", 0), 0u);
    EXPECT_EQ(lines.back(), "");
    EXPECT_FALSE(report.Visible());
}

TEST(NameReport, MatchesTheReportsWorkedOutByHand) {
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"name-single.txt", "张", "三丰", "1980", "1"},
        {"name-double.txt", "欧阳", "修", "1990", "6"},
    };
    for (const auto& [file, surname, given, year, month] : cases) {
        BirthPanel panel;
        panel.surname = surname;
        panel.givenName = given;
        panel.year = year;
        panel.month = month;
        panel.day = std::string(file) == "name-single.txt" ? "5" : "15";
        panel.hour = "午 12";
        panel.minute = "30";
        BirthInput input;
        ReportSink report;
        testing::RecordingNotifier notifier;
        NameReport(panel, input, report, notifier, 2026);
        const Lines expected = testing::ReadExpectedReport(file);
        const Lines& actual = report.Lines();
        for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
            EXPECT_EQ(actual[i], expected[i]) << file << " line " << i + 1;
        }
        EXPECT_EQ(actual.size(), expected.size()) << file;
    }
}

TEST_F(FixtureStrokes, SuggestionsFromATopGradedTitle) {
    testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                            "create table sancai (title text, djc integer, content text);"
                            "insert into sancai values ('金火金', 1, ''), ('金土土', 2, ''), ('木火土', 1, '');");
    const testing::KnowledgeDirOverride knowledge(dir_);
    // 李 has 7 strokes: heaven 8 (金); 金火金 pairs a 火 person number with a 金 earth number.
    const auto pairs = TalentPairs(8);
    const std::vector<std::pair<int, int>> expected = {{3, 7},   {3, 37},  {13, 7}, {13, 37}, {23, 7},
                                                       {23, 37}, {24, 7}, {24, 37}, {33, 7}, {33, 37}};
    EXPECT_EQ(pairs, expected);
    EXPECT_EQ(StrokeSuggestions(1, "李"), (std::vector<StrokeSuggestion>{{6, 0}}));  // 天8 人13 地7
    EXPECT_TRUE(StrokeSuggestions(2, "李").empty());
    EXPECT_TRUE(StrokeSuggestions(1, "a").empty());  // shorter than one character
}

TEST(NameSuggestion, EverySuggestionGivesATopGradedNameWithGoodGrids) {
    auto good = [](int n) { return std::find(GoodNumbers.begin(), GoodNumbers.end(), n) != GoodNumbers.end(); };
    auto firstCharacter = [](int strokes) {
        const std::string all = CharactersWithStrokes(strokes);
        return all.substr(0, 3);
    };
    int checked = 0;
    for (const char* surname : {"王", "张", "杨", "黄", "欧阳", "司马"}) {
        for (const int length : {1, 2}) {
            for (const StrokeSuggestion& s : StrokeSuggestions(length, surname)) {
                std::string given = firstCharacter(s.g1);
                if (length == 2) given += firstCharacter(s.g2);
                if (given.size() != 3u * static_cast<std::size_t>(length)) continue;  // no character has that count
                const int heaven = GridNumber(surname, given, GridKind::HeavenGrid);
                const int person = GridNumber(surname, given, GridKind::PersonGrid);
                const int earth = GridNumber(surname, given, GridKind::EarthGrid);
                EXPECT_EQ(ThreeTalentsScore(ThreeTalentsTitle(heaven, person, earth)), 20) << surname << given;
                EXPECT_TRUE(good(GridNumber(surname, given, GridKind::TotalGrid))) << surname << given;
                if (length == 2) {
                    EXPECT_TRUE(good(GridNumber(surname, given, GridKind::OuterGrid))) << surname << given;
                }
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 20);
}

TEST(NameSuggestion, ItemLabels) {
    EXPECT_EQ(SuggestionLabel({6, 0}, false, true), "第一字:6画");
    EXPECT_EQ(SuggestionLabel({6, 10}, true, true), "第一字:6画 第二字:10画");
    EXPECT_EQ(SuggestionLabel({6, 0}, false, false), "名1字:6画");
    EXPECT_EQ(SuggestionLabel({6, 10}, true, false), "名1字:6画 名2字:10画");
}

TEST_F(FixtureStrokes, TrialOfANewName) {
    testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                            "create table sancai (title text, djc integer, content text);"
                            "insert into sancai values ('金土水', 3, '" + Scramble("金土水之评") + "');"
                            "create table namefx (num text, content text);"
                            "insert into namefx values ('8', '" + Scramble("八之评") + "'), ('15', '" + Scramble("十五之评") + "'),"
                            "('9', '" + Scramble("九之评") + "');");
    const testing::KnowledgeDirOverride knowledge(dir_);
    EXPECT_EQ(TrialNameLines("李", "林"),
              (Lines{"李林,您的三才为金土水", "", "", "    金土水之评", "", "天格: 8", "地格: 9", "人格: 15", "总格: 15",
                     "外格: 2", "", "", "十五之评", "", "补充:", "天格8分析:", "    八之评", "", "地格9分析:", "    九之评",
                     "", "人格15分析:", "    十五之评", "", "外格2分析:", "    无结果,请听下回分解"}));
}

TEST(NameReport, NeedsTheNameButNoBloodType) {
    BirthPanel panel = LiLin();
    panel.bloodType = "";
    panel.givenName = "";
    BirthInput input;
    ReportSink report;
    testing::RecordingNotifier notifier;
    NameReport(panel, input, report, notifier, 2026);
    EXPECT_EQ(notifier.notices, Lines{"名不能为空!"});
    EXPECT_TRUE(report.Lines().empty());
}

TEST(NameReport, ClosingTextsByBand) {
    std::set<std::string_view> advice;
    for (const double score : {100.0, 92.0, 87.5, 81.0, 76.5, 72.0, 65.0, 40.0, -1.0}) advice.insert(OverallAdvice(score));
    EXPECT_EQ(advice.size(), 8u);
    EXPECT_EQ(OverallVerdict(74).rfind("本姓名综合评分为74分，", 0), 0u);
    EXPECT_EQ(OverallVerdict(87.5).rfind("本姓名综合评分为87.5分，", 0), 0u);
    EXPECT_EQ(OverallAdvice(95), OverallAdvice(100));
    EXPECT_NE(OverallAdvice(94.5), OverallAdvice(95));
}

}  // namespace
}  // namespace varnel
