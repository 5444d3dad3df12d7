#include <gtest/gtest.h>

#include <set>

#include "names/numerology.hpp"
#include "numbers/number_tests.hpp"
#include "store/failure.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "test_support.hpp"

namespace varnel {
namespace {

namespace fs = std::filesystem;

TEST(PhoneTest, KeyOfTheLastDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"13800001234", "34"}, {"13800000160", "0"}, {"13800000079", "79"}, {"13800000080", "0"},
        {"13800000081", "1"},  {"1380000999", "39"},  {"13800001", "1"}};
    for (const auto& [number, key] : cases) EXPECT_EQ(shoujiinfostr(number), std::optional<std::string>(key)) << number;
    EXPECT_EQ(shoujiinfostr("1380000"), std::nullopt);  // fewer than eight digits
    EXPECT_EQ(shoujiinfostr("1380000abcd"), std::nullopt);
}

TEST(PhoneTest, ReadingsOfEveryKey) {
    std::set<std::string> texts;
    for (int key = 0; key < 80; ++key) {
        const PhoneReading reading = PhoneReadingOfKey(std::to_string(key));
        EXPECT_FALSE(reading.title.empty()) << key;
        EXPECT_TRUE(reading.luck == "吉" || reading.luck == "凶" || reading.luck == "半吉" || reading.luck == "吉带凶" ||
                    reading.luck == "凶带吉")
            << key << reading.luck;
        EXPECT_TRUE(texts.insert(reading.content).second) << key;
        EXPECT_TRUE(texts.insert(reading.title).second) << key;
    }
    EXPECT_EQ(PhoneReadingOfKey("80").title, "");
}

TEST(PhoneTest, AnUnreadableTableCancelsTheTest) {
    const testing::KnowledgeDirOverride none;
    EXPECT_THROW(PhoneReadingOfKey("34"), CommandCancelled);
}

TEST(NumberVerse, SplitIntoVerseLuckAndReading) {
    const VerseParts key0 = SplitVerse(VerseOfNumber("81"));
    EXPECT_EQ(key0.verse, "大展鸿图，信用得固，名利双收，可获成功");
    EXPECT_EQ(key0.luck, "吉");
    EXPECT_EQ(key0.reading,
              "主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。"
              "感情路上多采多姿。做事喜好凭个人直觉及预感做决定。");
    EXPECT_EQ(SplitVerse(VerseOfNumber("162")).verse, key0.verse);
    EXPECT_EQ(SplitVerse(VerseOfNumber("1")).luck, "凶");
    EXPECT_EQ(SplitVerse(VerseOfNumber("26")).luck, "凶带吉");
    const VerseParts refusal = SplitVerse(VerseOfNumber("-1"));
    EXPECT_EQ(refusal.verse, "");
    EXPECT_EQ(refusal.luck, "");
    EXPECT_EQ(refusal.reading, "对不起,此号不在分解之类。");
    const VerseParts more = SplitVerse("a|b|c|d");
    EXPECT_EQ(more.reading, "c|d");
}

TEST(QqPairing, SumsOfTheDigits) {
    EXPECT_EQ(QqPairingSum("12345", "67890"), 45);
    EXPECT_EQ(QqPairingSum("9999999999", "9999999999"), 80);
    EXPECT_EQ(QqPairingSum("9999999999", "9999999991"), 72);
    EXPECT_EQ(QqPairingSum("9999999999", "1111111111"), 100);  // exactly 100 stays
    EXPECT_EQ(QqPairingSum("9999999999", "1111111112"), 1);
    EXPECT_EQ(QqPairingSum("99999", "11111"), 50);
}

TEST(QqPairing, EverySumHasItsOwnText) {
    std::set<std::string> texts;
    for (int sum = 0; sum <= 100; ++sum) {
        const auto rows = QueryRows(BrennBirthPath(), "select intro from QQpd where bihua like '%," + std::to_string(sum) + ",%'");
        ASSERT_EQ(rows.size(), 1u) << sum;
        texts.insert(rows[0].Text(0));
    }
    EXPECT_EQ(texts.size(), QueryRows(BrennBirthPath(), "select intro from QQpd").size());
    const std::string text = QqPairingText("12345", "67890");
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text, QqPairingText("67890", "12345"));
}

}  // namespace
}  // namespace varnel
