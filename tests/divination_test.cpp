#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "divination/hexagram.hpp"
#include "divination/zhuge.hpp"
#include "store/failure.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/unscramble.hpp"
#include "test_support.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

namespace fs = std::filesystem;

TEST(Hexagram, CodesOfTheTosses) {
    EXPECT_EQ(CodeOfTosses({0, 0, 0, 0, 0, 0}), "000000");
    EXPECT_EQ(CodeOfTosses({1, 1, 1, 1, 1, 1}), "111111");
    EXPECT_EQ(CodeOfTosses({0, 1, 0, 1, 0, 1}), "010101");
}

TEST(Hexagram, AllSixtyFourRowsWithTheirLines) {
    std::set<std::string> codes;
    std::set<std::string> texts;
    for (int id = 0; id < kHexagramCount; ++id) {
        const auto hexagram = HexagramById(id);
        ASSERT_TRUE(hexagram) << id;
        EXPECT_EQ(hexagram->code.size(), 6u);
        EXPECT_TRUE(codes.insert(hexagram->code).second) << id;
        EXPECT_TRUE(texts.insert(hexagram->value).second) << id;
        EXPECT_GT(GbkLength(hexagram->value), 600u) << id;
        const auto byCode = HexagramByCode(hexagram->code);
        ASSERT_TRUE(byCode);
        EXPECT_EQ(byCode->id, id);
    }
    const std::pair<const char*, const char*> named[] = {
        {"111111", "乾为天"}, {"000000", "坤为地"}, {"101010", "水火既济"}, {"010101", "火水未济"},
        {"111000", "地天泰"}, {"000111", "天地否"}, {"100010", "水雷屯"}, {"010001", "山水蒙"},
        {"010010", "坎为水"}, {"101101", "离为火"}, {"100100", "震为雷"}, {"001001", "艮为山"}};
    for (const auto& [code, name] : named) {
        const auto hexagram = HexagramByCode(code);
        ASSERT_TRUE(hexagram) << code;
        EXPECT_EQ(hexagram->title.rfind(name, 0), 0u) << code << " " << hexagram->title;
    }
    EXPECT_FALSE(HexagramById(64));
}

TEST(Hexagram, SavingAddsTheExtensionOnlyWhenMissing) {
    EXPECT_EQ(SavePathFor("/tmp/金钱卦"), fs::path("/tmp/金钱卦.txt"));
    EXPECT_EQ(SavePathFor("/tmp/金钱卦.txt"), fs::path("/tmp/金钱卦.txt"));
    EXPECT_EQ(SavePathFor("/tmp/a.text"), fs::path("/tmp/a.text.txt"));
    const fs::path file = fs::temp_directory_path() / "varnel-save.txt";
    ASSERT_TRUE(WriteGbkLines(file, {"乾为天", "", "自强不息"}));
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(), ToGbk("乾为天\r\n\r\n自强不息\r\n"));
    fs::remove(file);
    EXPECT_FALSE(WriteGbkLines(fs::temp_directory_path() / "no-such-folder" / "x.txt", {"a"}));
}

class ZhugeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                                "create table bihua (num text, hanzi text);"
                                "insert into bihua values ('1','甲'),('3','乙'),('8','丙'),('4','丁'),('9','戊'),('7','己'),"
                                "('6','庚'),('10','辛'),('20','壬'),('11','癸');"
                                "create table zhuge (id text, title text, content text);"
                                "insert into zhuge values ('111', '第112签：测试', '" + Scramble("签文\n解曰：好") + "');"
                                "create table zhiwen (zhiwen text collate nocase, content text);"
                                "insert into zhiwen values ('ooxxo', '" + Scramble("指纹读法") + "');");
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_ = varnel::testing::TestTempDir("varnel-zhuge-fixture");
};

TEST_F(ZhugeFixture, VerseNumbersOfThreeCharacters) {
    const testing::KnowledgeDirOverride knowledge(dir_);
    EXPECT_EQ(ZhugeNumber("甲", "甲", "甲"), "111");
    EXPECT_EQ(ZhugeNumber("乙", "丙", "乙"), "383");
    EXPECT_EQ(ZhugeNumber("乙", "丙", "丁"), "000");  // 384 − 384
    EXPECT_EQ(ZhugeNumber("戊", "戊", "戊"), "231");  // 999 − 768
    EXPECT_EQ(ZhugeNumber("己", "庚", "己"), "383");  // 767 − 384
    EXPECT_EQ(ZhugeNumber("辛", "壬", "癸"), "111");  // 10, 20 and 11 all count as 1
    EXPECT_EQ(ZhugeNumber("无", "甲", "甲"), "111");  // a character the table lacks counts 0, so 1
    EXPECT_EQ(ZhugeNumber(" 甲 ", "甲", "甲"), "111");
    EXPECT_EQ(ZhugeNumber("", "甲", "甲"), "");
}

TEST(Zhuge, NoCharactersGiveTheUnreachableNumbers) {
    std::set<int> reachable;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            for (int c = 1; c <= 9; ++c) {
                int n = 100 * a + 10 * b + c;
                n = n >= 768 ? n - 768 : n >= 384 ? n - 384 : n;
                reachable.insert(n);
            }
        }
    }
    for (const int never : {22, 36, 306, 320}) EXPECT_EQ(reachable.count(never), 0u) << never;
    EXPECT_EQ(*reachable.rbegin(), 383);
}

TEST_F(ZhugeFixture, TheReportOfTheCharacterTest) {
    const testing::KnowledgeDirOverride knowledge(dir_);
    ReportSink report;
    CharacterTestReport("甲甲甲", report);
    EXPECT_EQ(report.Lines(), (std::vector<std::string>{"你测算的三个字是:甲甲甲 解析如下...", "", "    第112签：测试", "",
                                                        "    签文", "解曰：好"}));
    EXPECT_TRUE(report.Visible());
    CharacterTestReport("甲甲", report);
    EXPECT_EQ(report.Lines(), (std::vector<std::string>{"你测算的三个字是:甲甲 解析如下...", "", "    ", "", "    "}));
}

TEST_F(ZhugeFixture, FingerprintReadings) {
    const testing::KnowledgeDirOverride knowledge(dir_);
    EXPECT_EQ(FingerprintReading("ooxxo"), "指纹读法");
    EXPECT_EQ(FingerprintReading("OOXXO"), "指纹读法");  // compared without regard to case
    EXPECT_EQ(FingerprintReading("oox"), "");
    EXPECT_EQ(FingerprintReading(""), "");
}

TEST(Zhuge, AnUnreadableTableCancels) {
    const testing::KnowledgeDirOverride none;
    EXPECT_THROW(FingerprintReading("ooooo"), CommandCancelled);
    ReportSink report;
    EXPECT_THROW(CharacterTestReport("甲乙丙", report), CommandCancelled);
    EXPECT_FALSE(report.Visible());
}

TEST(Zhuge, EveryVerseAndFingerprintCodeHasItsText) {
    std::set<std::string> texts;
    for (int id = 0; id < 384; ++id) {
        std::string key = std::to_string(id);
        key = std::string(3 - key.size(), '0') + key;
        const auto row = QueryFirstRow(BrennFilePath(), "select title, content from zhuge where id = '" + key + "'");
        ASSERT_TRUE(row) << key;
        EXPECT_FALSE(row->Trimmed(0).empty()) << key;
        const std::string text = Unscramble(row->Trimmed(1));
        EXPECT_GT(GbkLength(text), 300u) << key;
        EXPECT_TRUE(texts.insert(text).second) << key;
    }
    for (int bits = 0; bits < 32; ++bits) {
        std::string code;
        for (int finger = 4; finger >= 0; --finger) code += (bits >> finger) & 1 ? 'x' : 'o';
        const std::string text = FingerprintReading(code);
        EXPECT_GT(GbkLength(text), 300u) << code;
        EXPECT_TRUE(texts.insert(text).second) << code;
    }
}

}  // namespace
}  // namespace varnel
