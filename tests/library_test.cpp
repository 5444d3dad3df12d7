#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "divination/library.hpp"
#include "divination/omens.hpp"
#include "divination/picture_pages.hpp"
#include "store/failure.hpp"
#include "test_support.hpp"

namespace fs = std::filesystem;
using namespace varnel;

namespace {

// The lines of a page without the empty lines between them; checks that every other line is empty.
std::vector<std::string> Entries(const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i % 2 == 1) {
            EXPECT_EQ(lines[i], "") << "line " << i;
        } else {
            entries.push_back(lines[i]);
        }
    }
    return entries;
}

}  // namespace

TEST(Omens, CaptionsAndLayoutOfTheSevenPages) {
    const char* captions[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                              "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
    for (int page = 0; page < kOmenPages; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(OmenCaption(page), captions[page]);
        const auto lines = OmenPageLines(page);
        ASSERT_EQ(lines.size(), page == 0 ? 23u : 11u);  // no empty line after the last
        const auto entries = Entries(lines);
        EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()).size(), entries.size());
    }
    EXPECT_EQ(OmenCaption(7), "");
    EXPECT_TRUE(OmenPageLines(-1).empty());
}

TEST(Omens, GivenLinesAndPairings) {
    const auto sneeze = Entries(OmenPageLines(0));
    EXPECT_EQ(sneeze.front(), "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。");
    EXPECT_TRUE(sneeze.back().starts_with("晚上11点-凌晨1点 "));
    EXPECT_TRUE(sneeze[5].starts_with("上午11点-下午1点 "));

    EXPECT_EQ(OmenPageLines(4).front(), "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。");
    EXPECT_EQ(OmenPageLines(6).front(), "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。");

    // Pages 1 to 5 pair each hour with the opposite one; page 6 has its own pairs.
    const char* opposite[] = {"子时：", "丑时：", "寅时：", "卯时：", "辰时：", "巳时："};
    const char* opposite2[] = {"午时：", "未时：", "申时：", "酉时：", "戌时：", "亥时："};
    const char* ringing[] = {"子时：", "寅时：", "卯时：", "辰时：", "巳时：", "午时："};
    const char* ringing2[] = {"丑时：", "未时：", "申时：", "酉时：", "戌时：", "亥时："};
    for (int page = 1; page < kOmenPages; ++page) {
        const auto entries = Entries(OmenPageLines(page));
        for (std::size_t i = 0; i < 6; ++i) {
            SCOPED_TRACE(entries[i]);
            EXPECT_TRUE(entries[i].starts_with(page == 6 ? ringing[i] : opposite[i]));
            EXPECT_NE(entries[i].find(page == 6 ? ringing2[i] : opposite2[i]), std::string::npos);
            EXPECT_TRUE(entries[i].ends_with("。"));
        }
    }
    EXPECT_EQ(DoubleHourNote().front(), "说明：");
}

TEST(BoyGirl, TableLinesStandUnderTheirMonths) {
    const auto lines = BoyGirlTableLines();
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[0], "年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月");
    EXPECT_EQ(lines[1], "18     女     男    女    男    男    男    男    男    男   男     男     男");
    EXPECT_EQ(lines[28], "45     女     男    男    女    女    女    男    女    男   女     男     男");
    EXPECT_EQ(BoyOrGirl(21, 1), "男");
    EXPECT_EQ(BoyOrGirl(21, 2), "女");
    EXPECT_EQ(BoyOrGirl(38, 12), "女");
    EXPECT_EQ(BoyOrGirl(43, 12), "男");
    EXPECT_EQ(BoyOrGirl(17, 1), "");
    EXPECT_EQ(BoyOrGirl(46, 1), "");
    EXPECT_EQ(BoyOrGirl(30, 13), "");
}

class LibraryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        varnel::testing::WriteFixtureDb(dir_ / "BrennBirth.dll",
                                "create table Noter (Cid text, Tite text, content text);"
                                "insert into Noter values ('a1', ' 姓名原理 ', ' 第一段\n第二段 ');");
        varnel::testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                                "create table tuwen (wenid integer, ye integer, tu text, wen text);"
                                "insert into tuwen values (6, 2, '<svg/>', '第二页'), (6, 1, '<svg/>', '第一页'),"
                                "(7, 1, '<svg/>', '别的');");
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_ = varnel::testing::TestTempDir("varnel-library-fixture");
};

TEST_F(LibraryFixture, TextsByKey) {
    const varnel::testing::KnowledgeDirOverride knowledge(dir_);
    const auto text = LookUpLibraryText("a1");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->title, "姓名原理");
    EXPECT_EQ(text->content, "第一段\n第二段");
    EXPECT_FALSE(LookUpLibraryText("a9").has_value());
    EXPECT_FALSE(LookUpLibraryText("a1' or '1'='1").has_value());
}

TEST_F(LibraryFixture, ArticlePagesInOrder) {
    const varnel::testing::KnowledgeDirOverride knowledge(dir_);
    const auto pages = LoadArticlePages(6);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].text, "第一页");
    EXPECT_EQ(pages[1].text, "第二页");
    EXPECT_TRUE(LoadArticlePages(40).empty());
}

TEST(Library, MissingDatabaseIsAStoreError) {
    const varnel::testing::KnowledgeDirOverride nothing;
    EXPECT_THROW(LookUpLibraryText("a1"), StoreError);
    EXPECT_THROW(LoadArticlePages(1), StoreError);
}

TEST(Library, ArticleMenuItems) {
    const auto& items = ArticleItems();
    EXPECT_EQ(items.size(), 54u);
    std::set<int> numbers;
    for (const ArticleItem& item : items) numbers.insert(item.number);
    EXPECT_EQ(numbers.size(), 54u);
    for (const int unused : {17, 40, 41, 47, 53}) EXPECT_EQ(numbers.count(unused), 0u) << unused;
    EXPECT_EQ(ArticleNumberOf("十二星座卧室桃花运"), 6);
    EXPECT_EQ(ArticleNumberOf("风水秘籍钓 \"金龟婿\""), 5);
    EXPECT_EQ(ArticleNumberOf("手相揭开命运奥秘之二图"), 59);
    EXPECT_FALSE(ArticleNumberOf("手相占卜").has_value());
}

TEST(Library, EveryKeyOfTheMenusHasItsText) {
    for (const char* key : {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "b1", "b2", "b3", "b4", "b5", "b6",
                            "b7", "b8", "b9", "b10", "b11", "b12", "b13", "c1", "c2"}) {
        SCOPED_TRACE(key);
        const auto text = LookUpLibraryText(key);
        ASSERT_TRUE(text.has_value());
        EXPECT_FALSE(text->title.empty());
        EXPECT_GT(text->content.size(), 600u * 3);  // at least 600 Chinese characters
        EXPECT_EQ(text->content.find('\t'), std::string::npos);
    }
}

TEST(Library, EveryArticleHasItsPages) {
    for (const ArticleItem& item : ArticleItems()) {
        SCOPED_TRACE(std::string(item.caption));
        const auto pages = LoadArticlePages(item.number);
        EXPECT_GE(pages.size(), 2u);
        for (const ArticlePage& page : pages) {
            EXPECT_TRUE(page.picture.starts_with("<svg")) << page.picture.substr(0, 20);
            EXPECT_GT(page.text.size(), 200u * 3);  // at least 200 Chinese characters
        }
    }
}
