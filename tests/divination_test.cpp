#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "divination/hexagram.hpp"
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

}  // namespace
}  // namespace varnel
