#include <gtest/gtest.h>

#include <set>

#include "readings/net_name.hpp"
#include "readings/pinyin_table.hpp"
#include "readings/star_readings.hpp"
#include "readings/star_sign.hpp"
#include "store/failure.hpp"
#include "test_support.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(StarSignIq, ScoresAndTexts) {
    const std::pair<const char*, const char*> scores[] = {
        {"水瓶座", "102"}, {"白羊座", " 80"}, {"金牛座", "110"}, {"双子座", "130"}, {"巨蟹座", " 90"}, {"狮子座", "100"},
        {"处女座", "105"}, {"天秤座", " 95"}, {"天蝎座", "120"}, {"射手座", "125"}, {"摩羯座", " 90"}, {"双鱼座", " 75"}};
    std::set<std::string_view> texts;
    for (const auto& [sign, score] : scores) {
        const std::string_view text = StarSignIqText(sign);
        EXPECT_EQ(text.substr(0, std::string_view("智商：").size() + 3 + 3), std::string("智商：") + score + "。") << sign;
        EXPECT_GT(GbkLength(text), 150u) << sign;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 11u);  // 摩羯座 repeats 巨蟹座
    EXPECT_EQ(StarSignIqText("摩羯座"), StarSignIqText("巨蟹座"));
    EXPECT_EQ(StarSignIqText("双子座"),
              "智商：130。天生聪明，反应敏捷，文武双全。对各样新奇事物都有兴趣去了解，使自己的思维不断扩大。足智多谋，擅长沟通，"
              "容易令人明白自己的意念，能影响别人的思路。凡事都懂一点，令人崇拜。也许你有两个脑袋吧。");
    EXPECT_EQ(StarSignIqText("双鱼座").rfind("智商： 75。 你", 0), 0u);
    EXPECT_EQ(StarSignIqText("蛇夫座"), "请听下回分解!");
    EXPECT_EQ(StarSignIqText(StarSignForDate(EncodeDate(1990, 5, 1))).rfind("智商：110。", 0), 0u);
}

class StarFixture : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::string sql;
        for (const StarTopic& topic : StarTopics) {
            sql += "create table " + std::string(topic.table) + " (title text, content text);";
        }
        testing::WriteFixtureDb(dir_ / "BrennFile.dll", sql);
    }
    void TearDown() override { fs::remove_all(dir_); }

    BirthPanel Person() const {
        BirthPanel panel;
        panel.surname = "李";
        panel.givenName = "四";
        panel.month = "5";
        panel.day = "1";
        return panel;
    }
    fs::path dir_ = varnel::testing::TestTempDir("varnel-star-fixture");
};

TEST_F(StarFixture, FullReportWithEmptyTables) {
    const testing::KnowledgeDirOverride knowledge(dir_);
    BirthInput input;
    ReportSink report;
    testing::RecordingNotifier notifier;
    StarSignReport(Person(), input, report, notifier, 2026);
    const std::string separator(70, '-');
    const Lines expected = {
        BirthSummaryLine(input, 2026), "", separator, "【情商解析】:", "", separator, "【星座实力】:", "", separator,
        "【星座名人】:", "", separator, "【身体保健】:", "", separator, "【五大建议】:", "", separator, "【星座缺陷】:", "",
        "", "--以上测算紧着参考" + std::string(52, '-')};
    EXPECT_EQ(report.Lines(), expected);
    EXPECT_EQ(input.starSign, "金牛座");
    EXPECT_TRUE(report.Visible());
}

TEST(StarReadings, FullReportWithEveryTopic) {
    BirthPanel panel;
    panel.surname = "李";
    panel.givenName = "四";
    panel.calendarIndex = 1;  // lunar 1990-3-7 is 1990-04-02: the sign follows the Gregorian date
    panel.year = "1990";
    panel.month = "3";
    panel.day = "7";
    BirthInput input;
    ReportSink report;
    testing::RecordingNotifier notifier;
    StarSignReport(panel, input, report, notifier, 2026);
    const Lines& lines = report.Lines();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(input.starSign, "白羊座");
    for (std::size_t i = 0; i < StarTopics.size(); ++i) {
        EXPECT_EQ(lines[3 + 3 * i], StarTopics[i].heading);
        const std::string& text = lines[4 + 3 * i];
        EXPECT_GT(GbkLength(text), 400u) << StarTopics[i].table;
        EXPECT_EQ(text.find("<p>"), std::string::npos);
        EXPECT_EQ(text.find("</p>"), std::string::npos);
        EXPECT_EQ(text, StarSignTopicText("白羊座", StarTopics[i].table));
    }
    EXPECT_EQ(lines.back(), "--以上测算紧着参考" + std::string(52, '-'));
}

TEST_F(StarFixture, TopicTextsLoseTheirParagraphTags) {
    testing::WriteFixtureDb(dir_ / "BrennFile.dll",
                            "insert into ndeq values ('金牛座', ' <p>第一段。</p><p>第二段。</p> '),"
                            "('双子座', '<P>大写不算</P>');");
    const testing::KnowledgeDirOverride knowledge(dir_);
    EXPECT_EQ(StarSignTopicText("金牛座", "ndeq"), "第一段。第二段。");
    EXPECT_EQ(StarSignTopicText("双子座", "ndeq"), "<P>大写不算</P>");
    EXPECT_EQ(StarSignTopicText("白羊座", "ndeq"), "");
}

TEST_F(StarFixture, StoredSignReadings) {
    testing::WriteFixtureDb(dir_ / "BrennFile.dll", "insert into baojian values ('金牛座', '<p>护好咽喉。</p>');");
    const testing::KnowledgeDirOverride knowledge(dir_);
    BirthInput input;
    ReportSink report;
    report.AddLine("earlier");
    StarIntelligenceReading(input, report);  // nothing accepted yet
    StarTopicReading(input, "baojian", report);
    EXPECT_EQ(report.Lines(), Lines{"earlier"});

    input.surname = "李";
    input.givenName = "四";
    input.starSign = "金牛座";
    StarIntelligenceReading(input, report);
    EXPECT_EQ(report.Lines(), (Lines{"李四,您的星座为金牛座,经系统分析如下:", "", "", "    " + std::string(StarSignIqText("金牛座"))}));
    StarTopicReading(input, "baojian", report);
    EXPECT_EQ(report.Lines(), (Lines{"李四,您的星座为金牛座...", "", "", "护好咽喉。"}));
    StarTopicReading(input, "shiye", report);
    EXPECT_EQ(report.Lines(), (Lines{"李四,您的星座为金牛座...", "", "", ""}));
}

TEST(StarReadings, AnUnreadableTableAbandonsTheReadingAfterItsHeader) {
    const testing::KnowledgeDirOverride none;
    BirthInput input;
    input.surname = "李";
    input.givenName = "四";
    input.starSign = "金牛座";
    ReportSink report;
    EXPECT_THROW(StarTopicReading(input, "ndeq", report), CommandCancelled);
    EXPECT_EQ(report.Lines(), (Lines{"李四,您的星座为金牛座...", "", ""}));
}

TEST(NetName, LettersOfNames) {
    EXPECT_EQ(PinyinLetters("王小明"), "WXM");
    EXPECT_EQ(PinyinLetters("张三"), "ZS");
    EXPECT_EQ(PinyinLetters("张三!"), "ZS");
    EXPECT_EQ(PinyinLetters("ABC123"), "ABC123");
    EXPECT_EQ(PinyinLetters("abc"), "ABC");
    EXPECT_EQ(PinyinLetters("Ａｂ１"), "Ab1");   // full-width letters and digits
    EXPECT_EQ(PinyinLetters("⑩"), "10");
    EXPECT_EQ(PinyinLetters("θΣ"), "THS");
    EXPECT_EQ(PinyinLetters("★"), "?");
    EXPECT_EQ(PinyinLetters(FromGbk("\xA6\xE0")), "");  // a symbol of the Greek row that is no letter
    EXPECT_EQ(PinyinLetters("长行乐重曾单仇解区"), "ZHLZCDCJQ");
    EXPECT_EQ(PinyinLetters("查覃朴翟"), "ZQPZ");
}

TEST(NetName, TraitByTheLastLetter) {
    const std::pair<std::string, const char*> cases[] = {
        {"王小明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
        {"明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
        {"张三", "心胸宽大，有深藏不露的自恋"},
        {"张三!", "心胸宽大，有深藏不露的自恋"},
        {"ABC123", "可爱，较明显的自恋"},
        {"小王0", "煽情高手"},
        {"⑩", "煽情高手"},
        {"θ", "自立，自强，可依靠"},
        {"张三" + FromGbk("\xA6\xE0"), "心胸宽大，有深藏不露的自恋"},
        {"★", ""},
        {"!!!", ""},
        {"", ""},
    };
    for (const auto& [name, trait] : cases) EXPECT_EQ(NetNameTrait(name), trait) << name;
}

TEST(NetName, ReadingTableCoversGbk) {
    std::size_t withReading = 0;
    for (const std::uint16_t syllable : GbkSyllable) withReading += syllable != 0;
    EXPECT_GE(withReading, 20000u);
    EXPECT_GE(PinyinSyllableCount, 393u);
    EXPECT_EQ(PinyinSyllables[0], "a");
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
        for (const unsigned lead : {0xA1u, 0xA5u, 0xA9u}) {
            EXPECT_EQ(GbkSyllable[GbkCodeIndex(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))], 0);
        }
    }
}

}  // namespace
}  // namespace varnel
