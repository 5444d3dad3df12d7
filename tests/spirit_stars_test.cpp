#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "chart/chart.hpp"
#include "chart/spirit_stars.hpp"
#include "store/failure.hpp"
#include "store/paths.hpp"
#include "test_support.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

using Lines = std::vector<std::string>;

StarQuery Q(std::string key, std::string value, std::string other = "", int keyIndex = 0, int direction = 0) {
    return {std::move(key), std::move(value), std::move(other), keyIndex, direction};
}

TEST(RuleLine, NameFieldAndItems) {
    const RuleLine rule = ParseRuleLine("天乙贵人 甲戊庚:丑未,乙己:子申, 辛 : 寅午 ,,壬癸");
    EXPECT_EQ(rule.name, "天乙贵人");
    ASSERT_EQ(rule.items.size(), 4u);
    EXPECT_EQ(rule.items[0], (RuleItem{"甲戊庚", "丑未"}));
    EXPECT_EQ(rule.items[1], (RuleItem{"乙己", "子申"}));
    EXPECT_EQ(rule.items[2], (RuleItem{"辛 ", "寅午"}));  // the key is not trimmed, the value is
    EXPECT_EQ(rule.items[3], (RuleItem{"", "壬癸"}));     // no colon: empty key
}

TEST(RuleLine, ShortNamesArePaddedAndValuesCutAtTenBytes) {
    const RuleLine rule = ParseRuleLine("禄神   甲:寅卯辰巳午未申,乙:卯");
    EXPECT_EQ(rule.name, "禄神");
    ASSERT_EQ(rule.items.size(), 2u);
    EXPECT_EQ(rule.items[0].value, "寅卯辰巳午");
    // The name field is removed wherever it stands.
    EXPECT_EQ(ParseRuleLine("空亡   子:丑,空亡   寅:卯").items.size(), 2u);
}

TEST(RuleLine, AtMostTwentyOneItems) {
    std::string line = "魁罡   ";
    for (int i = 0; i < 25; ++i) line += "k" + std::to_string(i) + ":v,";
    const RuleLine rule = ParseRuleLine(line);
    ASSERT_EQ(rule.items.size(), 21u);
    EXPECT_EQ(rule.items.back().key, "k20");
}

TEST(SpiritStars, StemFilesMatchKeyStemAndValueBranch) {
    const Lines lines = {"天乙贵人 甲戊庚:丑未,乙己:子申", "文昌贵人 甲:巳"};
    EXPECT_EQ(SpiritStarsOf(RuleFile::YearStem, lines, Q("甲", "未")), "天乙贵人");
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayStem, lines, Q("甲", "巳")), "文昌贵人");
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayStem, lines, Q("乙", "未")), "");
    EXPECT_EQ(SpiritStarsOf(RuleFile::YearStem, lines, Q("", "未")), "");  // an empty key never matches
}

TEST(SpiritStars, TwoMatchingItemsNameTheStarTwice) {
    const Lines lines = {"福星贵人 甲丙:寅子,甲:寅"};
    EXPECT_EQ(SpiritStarsOf(RuleFile::YearStem, lines, Q("甲", "寅")), "福星贵人 福星贵人");
}

TEST(SpiritStars, YearBranchFileUsesFourteenLinesAndTheDirection) {
    Lines lines;
    for (int i = 0; i < 16; ++i) lines.push_back("星" + std::to_string(i) + "   子:午");
    // Lines 0–13 apply, but line 2 only for direction 0 and line 3 only for direction 1.
    StarQuery query = Q("子", "午", "", 0, 1);
    EXPECT_EQ(SpiritStarsOf(RuleFile::YearBranch, lines, query),
              "星0 星1 星3 星4 星5 星6 星7 星8 星9 星10 星11 星12 星13");
    query.direction = 0;
    EXPECT_EQ(SpiritStarsOf(RuleFile::YearBranch, lines, query),
              "星0 星1 星2 星4 星5 星6 星7 星8 星9 星10 星11 星12 星13");
}

TEST(SpiritStars, DayBranchFileUsesSevenLines) {
    Lines lines;
    for (int i = 0; i < 9; ++i) lines.push_back("星" + std::to_string(i) + "   午:午");
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayBranch, lines, Q("午", "午", "", 6, 0)), "星0 星1 星2 星3 星4 星5 星6");
}

TEST(SpiritStars, ComputedStarsOfTheBranchFiles) {
    const Lines lines = {"驿马   申子辰:寅"};
    // Year branch 子 (index 0): 戌 gives 披麻, 寅 吊客 (after 驿马 of the line), 卯 丧门.
    EXPECT_EQ(SpiritStarsOf(RuleFile::YearBranch, lines, Q("子", "戌", "", 0, 0)), "披麻");
    EXPECT_EQ(SpiritStarsOf(RuleFile::YearBranch, lines, Q("子", "寅", "", 0, 0)), "驿马 吊客");
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayBranch, lines, Q("子", "卯", "", 0, 0)), "丧门");
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayBranch, {}, Q("子", "卯", "", 0, 0)), "");  // empty file
}

TEST(SpiritStars, MonthBranchFileMatchesTheStemOrTheBranch) {
    const Lines lines = {"天德贵人 寅:丁,卯:申"};
    EXPECT_EQ(SpiritStarsOf(RuleFile::MonthBranch, lines, Q("寅", "丁", "亥")), "天德贵人");
    EXPECT_EQ(SpiritStarsOf(RuleFile::MonthBranch, lines, Q("卯", "甲", "申")), "天德贵人");
    EXPECT_EQ(SpiritStarsOf(RuleFile::MonthBranch, lines, Q("卯", "丁", "亥")), "");
}

TEST(SpiritStars, PillarFileHasTwoForms) {
    const Lines lines = {"魁罡   庚辰:庚辰", "全局   甲子:", "三     x:x", "四     x:x", "五     x:x",
                         "空亡   戌亥:甲子乙丑"};
    // Lines 1–5: the key holds the pillar and the value the day pillar, or nothing.
    EXPECT_EQ(SpiritStarsOf(RuleFile::Pillar, lines, Q("庚辰", "庚辰")), "魁罡");
    EXPECT_EQ(SpiritStarsOf(RuleFile::Pillar, lines, Q("庚辰", "壬辰")), "");
    EXPECT_EQ(SpiritStarsOf(RuleFile::Pillar, lines, Q("甲子", "丙寅")), "全局");
    // From line 6: the key holds the pillar's branch.
    EXPECT_EQ(SpiritStarsOf(RuleFile::Pillar, lines, Q("壬戌", "乙丑")), "空亡");
    EXPECT_EQ(SpiritStarsOf(RuleFile::Pillar, lines, Q("壬戌", "丙寅")), "");
}

TEST(SpiritStars, DayHourFileAcceptsAnEmptyKey) {
    const Lines lines = {"拱禄   癸亥:癸丑", "时星   :甲子"};
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayHourPillar, lines, Q("癸亥", "癸丑")), "拱禄");
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayHourPillar, lines, Q("丁卯", "甲子")), "时星");
    EXPECT_EQ(SpiritStarsOf(RuleFile::DayHourPillar, lines, Q("丁卯", "癸丑")), "");
}

TEST(SpiritStars, RuleFilesAreReadAsGbk) {
    const auto dir = std::filesystem::temp_directory_path() / "varnel-rules";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "rule.txt", std::ios::binary) << ToGbk("禄神   甲:寅\r\n羊刃   甲:卯\r\n");
    EXPECT_EQ(ReadRuleFile(dir / "rule.txt"), (Lines{"禄神   甲:寅", "羊刃   甲:卯"}));
    std::ofstream(dir / "empty.txt", std::ios::binary).flush();
    EXPECT_TRUE(ReadRuleFile(dir / "empty.txt").empty());
    EXPECT_THROW(ReadRuleFile(dir / "missing.txt"), StoreError);
    std::filesystem::remove_all(dir);
}

// The rows of the worked example 2000-01-01 12:00 (己卯 丙子 戊午 戊午, male, running backward),
// worked out by hand from the rule files.
TEST(SpiritStars, RowsOfAChartFromTheRuleFiles) {
    FourPillars chart;
    testing::RecordingNotifier notifier;
    ASSERT_TRUE(ComputeChart(2000, 1, 1, 12, 0, "男", chart, notifier));
    EXPECT_EQ(SpiritStarRow(chart, 0, ShenshaDir()), "将星   桃花");
    EXPECT_EQ(SpiritStarRow(chart, 1, ShenshaDir()), "天乙贵人 桃花 红鸾 月空 飞刃 灾煞 空亡");
    EXPECT_EQ(SpiritStarRow(chart, 2, ShenshaDir()), "天喜 丧门 血刃 羊刃 将星 孤鸾煞");
    EXPECT_EQ(SpiritStarRow(chart, 3, ShenshaDir()), "天喜 丧门 血刃 羊刃 将星 孤鸾煞");
}

TEST(SpiritStars, AMissingRuleFileEndsTheRow) {
    FourPillars chart;
    testing::RecordingNotifier notifier;
    ASSERT_TRUE(ComputeChart(2000, 1, 1, 12, 0, "男", chart, notifier));
    EXPECT_THROW(SpiritStarRow(chart, 0, std::filesystem::temp_directory_path() / "varnel-no-rules"),
                 StoreError);
}

}  // namespace
}  // namespace varnel
