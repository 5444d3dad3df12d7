#include <gtest/gtest.h>

#include <set>

#include "chart/birth_readings.hpp"
#include "chart/birthday_texts.hpp"
#include "store/failure.hpp"
#include "test_support.hpp"
#include "text/date_serial.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

TEST(BoneWeight, KeyOfTheTotal) {
    EXPECT_EQ(BoneWeightKey(0.7 + 0.6 + 1.6 + 1.0), "39");
    EXPECT_EQ(BoneWeightKey(4.2), "42");
    EXPECT_EQ(BoneWeightKey(5.0), "50");
    EXPECT_EQ(BoneWeightKey(2.1), "21");
    EXPECT_EQ(BoneWeightKey(10.5), "1.");
    EXPECT_EQ(BoneWeightKey(0), "00");
}

TEST(BoneWeight, ReadingOfTheFourWeights) {
    // 1900 庚子 0.7, month 1 0.6, day 5 1.6, hour 5 (卯) 1.0: 3两9钱.
    EXPECT_EQ(BoneWeightReading("1900", "1", "5", "5", 0), "你的骨重为：3两9钱");
    const std::string verse = BoneWeightReading("1900", "1", "5", "5", 1);
    const std::string meaning = BoneWeightReading("1900", "1", "5", "5", 2);
    EXPECT_EQ(verse.rfind("骨重诗评：", 0), 0u);
    EXPECT_EQ(meaning.rfind("骨重解评：", 0), 0u);
    EXPECT_GT(GbkLength(verse), GbkLength("骨重诗评：") + 50);
    EXPECT_GT(GbkLength(meaning), GbkLength("骨重解评：") + 150);
    EXPECT_EQ(BoneWeightReading("1900", "1", "5", "5", 3), "");
    // 1924 甲子 1.2, month 1 0.6, day 5 1.6, hour 0 (子) 1.6: a whole 5两.
    EXPECT_EQ(BoneWeightReading("1924", "1", "5", "0", 0), "你的骨重为：5两");
}

TEST(BoneWeight, MissingWeightsCountZeroAndUnknownKeysGiveNothing) {
    // Only the year (0.7) and the month (0.6) are found: 1.3 has no verse.
    for (int mode = 0; mode < 3; ++mode) EXPECT_EQ(BoneWeightReading("1900", "1", "99", "99", mode), "");
}

TEST(BoneWeight, AnUnreadableTableCancelsTheCommand) {
    const testing::KnowledgeDirOverride none;
    EXPECT_THROW(BoneWeightReading("1900", "1", "5", "5", 0), CommandCancelled);
}

TEST(BirthdayTexts, EveryDayHasItsOwnText) {
    std::set<std::string_view> seen;
    for (int day = 1; day <= 31; ++day) {
        EXPECT_FALSE(BirthdayText(day).empty()) << day;
        EXPECT_TRUE(seen.insert(BirthdayText(day)).second) << day;
    }
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(2000, month); ++day) {
            const int key = 100 * month + day;
            const std::string_view text = BirthdayText(key);
            if (key == 131) {
                EXPECT_TRUE(text.empty());
                continue;
            }
            EXPECT_TRUE(seen.insert(text).second) << key;
            // 40 to 120 Chinese characters, a little more in bytes with the punctuation.
            EXPECT_GE(GbkLength(text), 80u) << key;
            EXPECT_LE(GbkLength(text), 280u) << key;
        }
    }
    EXPECT_EQ(seen.size(), 396u);
    EXPECT_EQ(BirthdayText(1),
              "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,坚定依照自己的意愿行事. "
              "具有领导能力,容易获得成功,很容易得到别人的信任.");
    EXPECT_EQ(BirthdayText(101),
              "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，不可身心过劳，"
              "经验会带来新的启迪，一生颇多波折，容易受骗， 应该努力学习人生较深的一面。");
    EXPECT_EQ(BirthdayText(0), "");
    EXPECT_EQ(BirthdayText(1232), "");
}

TEST(BirthdayTexts, PersonalityJoinsTheDayAndTheCalendarDay) {
    EXPECT_EQ(BirthdayPersonalityText(1, 31), std::string(BirthdayText(31)));
    EXPECT_EQ(BirthdayPersonalityText(2, 29), std::string(BirthdayText(29)) + std::string(BirthdayText(229)));
    EXPECT_EQ(BirthdayPersonalityText(1, 1), std::string(BirthdayText(1)) + std::string(BirthdayText(101)));
}

TEST(BirthdayTexts, PersonalityBlock) {
    FourPillars chart;
    ReportSink report;
    testing::RecordingNotifier notifier;
    WritePersonalityBlock(1980, 1, 5, 12, 30, "男", chart, report, notifier);
    EXPECT_EQ(report.Lines(), (std::vector<std::string>{
                                  "<-----------------------批八字内容分隔线----------------------------->",
                                  "",
                                  "性格简评：",
                                  "    " + BirthdayPersonalityText(1, 5),
                                  "",
                              }));
    EXPECT_EQ(chart.dayStemName + chart.dayBranchName, "丁丑");
}

TEST(BloodType, TheFourTypesAndTheFallback) {
    EXPECT_EQ(BloodTypeReading("A型"), BloodTypeReading("a型"));
    EXPECT_EQ(BloodTypeReading("AB型"), BloodTypeReading("ab型"));
    EXPECT_EQ(BloodTypeReading("A型").substr(0, 12), "内心单纯");
    EXPECT_EQ(BloodTypeReading("B型").substr(0, 15), "在恋爱方面");
    EXPECT_EQ(BloodTypeReading("O型").substr(0, 6), "热情");
    EXPECT_EQ(BloodTypeReading("AB型").substr(0, 15), "既幻想浪漫");
    EXPECT_EQ(BloodTypeReading("A型").substr(BloodTypeReading("A型").size() - 15), "纯净可爱。");
    for (const char* other : {"AB", "Ab型", "", "C型"}) EXPECT_EQ(BloodTypeReading(other), "请听下回分解!");
    std::set<std::string_view> texts;
    for (const char* type : {"A型", "B型", "O型", "AB型"}) texts.insert(BloodTypeReading(type));
    EXPECT_EQ(texts.size(), 4u);
}

}  // namespace
}  // namespace varnel
