#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "calendar/lunar.hpp"
#include "calendar/sexagenary.hpp"
#include "names/numerology.hpp"
#include "store/unscramble.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"
#include "text/date_serial.hpp"

namespace varnel {
namespace {

namespace fs = std::filesystem;

std::string One(const fs::path& file, const std::string& sql) {
    const auto row = QueryFirstRow(file, sql);
    return row ? row->Trimmed(0) : std::string("<no row>");
}

TEST(Knowledge, EveryTableAndColumnTheReadingsUse) {
    const std::map<fs::path, std::vector<std::string>> tables = {
        {DreamPath(),
         {"select year, weight from chenggu1", "select month2, weight from chenggu2",
          "select day2, weight from chenggu3", "select time, weight from chenggu4",
          "select weight, content, content2 from chenggu", "select num, title, jx, content from shouji"}},
        {BrennFilePath(),
         {"select hanzi, num from bihua", "select zhiwen, content from zhiwen",
          "select id, title, content from zhuge", "select title, content from ndeq",
          "select title, content from aiqing", "select title, content from mingren",
          "select title, content from baojian", "select title, content from qingxv",
          "select title, content from shiye", "select title, djc, content from sancai",
          "select title, yy from sancai2009", "select num, yy, jx, \"as\", content from \"81\"",
          "select num, content from namefx"}},
        {BrennBirthPath(),
         {"select Cid, Tite, content from Noter", "select bihua, intro from QQpd",
          "select gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji from huangdao",
          "select id, xingl, intro from xing"}},
        {TgcodePath(),
         {"select hz, wh from hzwh", "select jiazi, ShiShen from Shishen",
          "select jiazi, layin, ws from jiazi", "select wh, sj, sjrs from sjrs",
          "select tg, dz, content from qtbj", "select YearA, JQ, SJ from JQ",
          "select ID, GuaCode, GuaTite, GuaValue from \"64gua\""}},
    };
    for (const auto& [file, statements] : tables) {
        for (const auto& sql : statements) EXPECT_NO_THROW(QueryRows(file, sql, 1)) << sql;
    }
    for (const char* name :
         {"niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt", "rizhi.txt", "rizhu.txt", "rizhus.txt"}) {
        EXPECT_TRUE(fs::is_regular_file(ShenshaDir() / name)) << name;
    }
}

TEST(Knowledge, ElementOfEveryStemAndBranch) {
    const std::string stems = "木木火火土土金金水水";
    const std::string branches = "水土木木土火火土金金土水";
    EXPECT_EQ(QueryRows(TgcodePath(), "select hz from hzwh").size(), 22u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(One(TgcodePath(), "select wh from hzwh where hz like " + SqlContains(StemNames[i])),
                  stems.substr(3 * (i), 3))
            << StemNames[i];
    }
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(One(TgcodePath(), "select wh from hzwh where hz like " + SqlContains(BranchNames[i])),
                  branches.substr(3 * i, 3))
            << BranchNames[i];
    }
}

// The ten gods follow from the elements: same element, the element the day stem produces,
// the one it controls, the one that controls it, the one that produces it; each split by
// whether the two stems share their polarity.
TEST(Knowledge, TenGodOfEveryStemPair) {
    const char* gods[5][2] = {{"劫财", "比肩"}, {"伤官", "食神"}, {"正财", "偏财"},
                              {"正官", "七杀"}, {"正印", "偏印"}};
    auto element = [](int stem) { return stem / 2; };  // 木 火 土 金 水, each producing the next
    EXPECT_EQ(QueryRows(TgcodePath(), "select jiazi from Shishen").size(), 100u);
    for (int d = 0; d < 10; ++d) {
        for (int o = 0; o < 10; ++o) {
            const int relation = (element(o) - element(d) + 5) % 5;
            // relation: 0 same, 1 day produces, 2 day controls, 3 controls day, 4 produces day
            const std::string key = std::string(StemNames[static_cast<std::size_t>(d)]) +
                                    std::string(StemNames[static_cast<std::size_t>(o)]);
            EXPECT_EQ(One(TgcodePath(), "select ShiShen from Shishen where jiazi = '" + key + "'"),
                      gods[relation][d % 2 == o % 2])
                << key;
        }
    }
    EXPECT_EQ(One(TgcodePath(), "select ShiShen from Shishen where jiazi = '甲丙'"), "食神");
    EXPECT_EQ(One(TgcodePath(), "select ShiShen from Shishen where jiazi = '甲辛'"), "正官");
    EXPECT_EQ(One(TgcodePath(), "select ShiShen from Shishen where jiazi = '癸戊'"), "正官");
}

TEST(Knowledge, NayinAndGrowthPhaseOfThePillars) {
    EXPECT_EQ(QueryRows(TgcodePath(), "select jiazi from jiazi").size(), 60u);
    const std::vector<std::array<const char*, 3>> pillars = {
        {"甲子", "海中金", "沐浴"}, {"乙丑", "海中金", "衰"},   {"丙寅", "炉中火", "长生"},
        {"戊辰", "大林木", "冠带"}, {"庚午", "路旁土", "沐浴"}, {"甲午", "沙中金", "死"},
        {"乙亥", "山头火", "死"},   {"壬申", "剑锋金", "长生"}, {"癸卯", "金箔金", "长生"},
        {"丁酉", "山下火", "长生"}, {"辛巳", "白蜡金", "死"},   {"丙午", "天河水", "帝旺"},
        {"庚申", "石榴木", "临官"}, {"壬子", "桑柘木", "帝旺"}, {"己未", "天上火", "冠带"},
        {"戊戌", "平地木", "墓"},   {"辛亥", "钗钏金", "沐浴"}, {"癸亥", "大海水", "帝旺"},
    };
    for (const auto& [pillar, nayin, phase] : pillars) {
        const auto row = QueryFirstRow(TgcodePath(), std::string("select layin, ws from jiazi where jiazi = '") +
                                                         pillar + "'");
        ASSERT_TRUE(row) << pillar;
        EXPECT_EQ(row->Trimmed(0), nayin) << pillar;
        EXPECT_EQ(row->Trimmed(1), phase) << pillar;
    }
}

TEST(Knowledge, SolarTermsOfEveryYearInOrder) {
    const auto rows = QueryRows(TgcodePath(), "select YearA, JQ, SJ from JQ order by SJ");
    ASSERT_EQ(rows.size(), 201u * 24u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int year = 1900 + static_cast<int>(i / 24);
        EXPECT_EQ(rows[i].Text(0), std::to_string(year));
        EXPECT_EQ(rows[i].Text(1), SolarTermNames[i % 24]);
        EXPECT_EQ(rows[i].Text(2).substr(0, 4), std::to_string(year));
        EXPECT_EQ(rows[i].Text(2).size(), 19u);
    }
}

TEST(Knowledge, SolarTermsAgreeWithTheReferenceWithinTwoMinutes) {
    std::ifstream in(std::string(VARNEL_FIXTURES) + "/solar-terms-sample.tsv");
    ASSERT_TRUE(in);
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        std::string name = line.substr(0, tab);
        if (name == "DA_XUE") name = "大雪";
        const std::string moment = line.substr(tab + 1);
        const std::string year = moment.substr(0, 4);
        const std::string stored =
            One(TgcodePath(), "select SJ from JQ where YearA = " + year + " and JQ = " + SqlText(name));
        ASSERT_EQ(stored.size(), 19u) << name << " " << year;
        auto serial = [](const std::string& text) {
            return ParseDateText(text.substr(0, 10)) +
                   (std::stoi(text.substr(11, 2)) * 3600 + std::stoi(text.substr(14, 2)) * 60 +
                    std::stoi(text.substr(17, 2))) /
                       86400.0;
        };
        EXPECT_LE(std::fabs(serial(stored) - serial(moment)) * 86400, 120) << name << " " << moment
                                                                          << " stored " << stored;
        ++checked;
    }
    EXPECT_EQ(checked, 48);
}

// Chinese (Han) characters of a UTF-8 text; punctuation does not count.
std::size_t HanCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xE4 && byte <= 0xE9) ++count;  // lead bytes of U+4000–U+9FFF
    }
    return count;
}

TEST(Knowledge, SeasonalUsefulGodTexts) {
    std::set<std::string> texts;
    for (const char* element : {"金", "木", "水", "火", "土"}) {
        for (const char* season : {"春", "夏", "秋", "冬"}) {
            const auto rows = QueryRows(TgcodePath(), std::string("select sjrs from sjrs where wh = '") + element +
                                                          "' and sj = '" + season + "'");
            ASSERT_EQ(rows.size(), 1u) << element << season;
            const std::string text = rows[0].Trimmed(0);
            EXPECT_TRUE(texts.insert(text).second) << element << season;
            EXPECT_GE(HanCount(text), 80u) << element << season;
            EXPECT_LE(HanCount(text), 200u) << element << season;
            // The report closes the sentence with its own full stop.
            EXPECT_NE(text.substr(text.size() - 3), "。") << element << season;
        }
    }
}

TEST(Knowledge, SeasonAdjustmentTextForEveryDayStemAndMonth) {
    std::set<std::string> texts;
    for (const auto stem : StemNames) {
        for (const auto branch : BranchNames) {
            const auto rows = QueryRows(TgcodePath(), "select content from qtbj where tg = '" + std::string(stem) +
                                                          "' and dz = '" + std::string(branch) + "'");
            ASSERT_EQ(rows.size(), 1u) << stem << branch;
            const std::string text = rows[0].Trimmed(0);
            EXPECT_TRUE(texts.insert(text).second) << stem << branch;
            EXPECT_GE(HanCount(text), 60u) << stem << branch;
            EXPECT_LE(HanCount(text), 200u) << stem << branch;
        }
    }
    EXPECT_EQ(QueryRows(TgcodePath(), "select tg from qtbj").size(), 120u);
}

TEST(Knowledge, BoneWeightsOfYearsMonthsDaysAndHours) {
    // The year's weight follows its pillar: 1924 and 1984 are both 甲子.
    auto weight = [](const char* table, const char* column, const std::string& key) {
        return std::stod(One(DreamPath(), std::string("select weight from ") + table + " where " + column +
                                              " = " + SqlText(key)));
    };
    EXPECT_EQ(QueryRows(DreamPath(), "select year from chenggu1").size(), 201u);
    for (int year = 1900; year + 60 <= 2100; ++year) {
        EXPECT_EQ(weight("chenggu1", "year", std::to_string(year)),
                  weight("chenggu1", "year", std::to_string(year + 60)))
            << year;
    }
    EXPECT_EQ(weight("chenggu1", "year", "1924"), 1.2);  // 甲子
    EXPECT_EQ(weight("chenggu1", "year", "1939"), 1.9);  // 己卯
    EXPECT_EQ(weight("chenggu1", "year", "1978"), 1.9);  // 戊午
    EXPECT_EQ(weight("chenggu1", "year", "1980"), 0.8);  // 庚申
    EXPECT_EQ(weight("chenggu2", "month2", "1"), 0.6);
    EXPECT_EQ(weight("chenggu2", "month2", "12"), 0.5);
    EXPECT_EQ(weight("chenggu3", "day2", "1"), 0.5);
    EXPECT_EQ(weight("chenggu3", "day2", "30"), 0.6);
    EXPECT_EQ(weight("chenggu4", "time", "23"), weight("chenggu4", "time", "0"));  // both 子
    EXPECT_EQ(weight("chenggu4", "time", "0"), 1.6);
    EXPECT_EQ(weight("chenggu4", "time", "12"), 1.0);  // 午
    EXPECT_EQ(QueryRows(DreamPath(), "select month2 from chenggu2").size(), 12u);
    EXPECT_EQ(QueryRows(DreamPath(), "select day2 from chenggu3").size(), 30u);
    EXPECT_EQ(QueryRows(DreamPath(), "select time from chenggu4").size(), 24u);
}

TEST(Knowledge, BoneWeightVerseForEveryReachableTotal) {
    // Every total four weights can make, in tenths of a 两, has its verse.
    auto tenths = [](const char* sql) {
        std::set<int> values;
        for (const Row& row : QueryRows(DreamPath(), sql)) values.insert(static_cast<int>(std::lround(std::stod(row.Text(0)) * 10)));
        return values;
    };
    std::set<int> totals;
    for (int y : tenths("select weight from chenggu1"))
        for (int m : tenths("select weight from chenggu2"))
            for (int d : tenths("select weight from chenggu3"))
                for (int h : tenths("select weight from chenggu4")) totals.insert(y + m + d + h);
    std::set<std::string> verses;
    for (const int total : totals) {
        const std::string key = std::to_string(total);
        const auto row = QueryFirstRow(DreamPath(), "select content, content2 from chenggu where weight = " + SqlText(key));
        ASSERT_TRUE(row) << key;
        const std::string verse = row->Trimmed(0);
        EXPECT_EQ(HanCount(verse), 28u) << key;
        EXPECT_TRUE(verses.insert(verse).second) << key;
        EXPECT_GE(HanCount(row->Trimmed(1)), 80u) << key;
        EXPECT_LE(HanCount(row->Trimmed(1)), 200u) << key;
    }
    EXPECT_EQ(*totals.begin(), 21);
    EXPECT_EQ(*totals.rbegin(), 71);
    EXPECT_EQ(QueryRows(DreamPath(), "select weight from chenggu").size(), totals.size());
}

TEST(Knowledge, EightyOneNumbers) {
    const auto rows = QueryRows(BrennFilePath(), "select num, yy, jx, \"as\", content from \"81\" order by num");
    ASSERT_EQ(rows.size(), 81u);
    std::set<std::string> texts;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const Row& row = rows[i];
        EXPECT_EQ(row.Integer(0), n);
        EXPECT_EQ(row.Text(2), LuckClass(n)) << n;
        const std::string verse = row.Text(1);
        EXPECT_NE(verse.find("："), std::string::npos) << n;
        EXPECT_EQ(verse.substr(verse.size() - 6), "——") << n;
        EXPECT_GE(HanCount(row.Text(3)), 60u) << n;
        EXPECT_LE(HanCount(row.Text(3)), 150u) << n;
        EXPECT_GE(HanCount(row.Text(4)), 150u) << n;
        EXPECT_LE(HanCount(row.Text(4)), 400u) << n;
        for (std::size_t c = 1; c < 5; ++c) {
            if (c != 2) {
                EXPECT_TRUE(texts.insert(row.Text(c)).second) << n << " column " << c;
            }
        }
    }
}

TEST(Knowledge, ThreeTalentsOfEveryTitle) {
    const auto rows = QueryRows(BrennFilePath(), "select title, djc, content from sancai");
    const auto details = QueryRows(BrennFilePath(), "select title, yy, xq, jcy, cgy, rjgx, xg from sancai2009");
    ASSERT_EQ(rows.size(), 125u);
    ASSERT_EQ(details.size(), 125u);
    std::set<std::string> titles;
    std::set<std::string> texts;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string title = rows[i].Text(0);
        EXPECT_EQ(title.size(), 9u);
        EXPECT_TRUE(titles.insert(title).second) << title;
        EXPECT_GE(rows[i].Integer(1), 1) << title;
        EXPECT_LE(rows[i].Integer(1), 7) << title;
        const std::string commentary = Unscramble(rows[i].Text(2));
        EXPECT_GE(HanCount(commentary), 80u) << title;
        EXPECT_LE(HanCount(commentary), 250u) << title;
        EXPECT_TRUE(texts.insert(commentary).second) << title;
        EXPECT_EQ(details[i].Text(0), title);
        EXPECT_GE(HanCount(details[i].Text(1)), 40u) << title;
        for (std::size_t c = 1; c < 7; ++c) {
            EXPECT_LE(HanCount(details[i].Text(c)), 200u) << title << " " << c;
            if (c > 1) {
                EXPECT_GE(HanCount(details[i].Text(c)), 50u) << title << " " << c;
            }
            EXPECT_TRUE(texts.insert(details[i].Text(c)).second) << title << " " << c;
        }
    }
    // The classical ends of the scale: mutual generation is graded best, control worst.
    auto grade = [&](const char* title) {
        return QueryFirstRow(BrennFilePath(), std::string("select djc from sancai where title = '") + title + "'")->Integer(0);
    };
    EXPECT_EQ(grade("木火土"), 1);  // 木生火, 火生土
    EXPECT_EQ(grade("水木火"), 1);
    EXPECT_EQ(grade("木土木"), 7);  // heaven and earth both control the person
    EXPECT_EQ(grade("木金火"), 7);
}

TEST(Knowledge, StarSignTopicsForEverySign) {
    const char* signs[] = {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
                           "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座", "双鱼座"};
    std::set<std::string> texts;
    for (const char* table : {"ndeq", "aiqing", "mingren", "baojian", "qingxv", "shiye"}) {
        EXPECT_EQ(QueryRows(BrennFilePath(), std::string("select title from ") + table).size(), 12u) << table;
        for (const char* sign : signs) {
            const auto rows = QueryRows(BrennFilePath(), std::string("select content from ") + table +
                                                             " where title = '" + sign + "'");
            ASSERT_EQ(rows.size(), 1u) << table << sign;
            const std::string text = rows[0].Trimmed(0);
            EXPECT_EQ(text.rfind("<p>", 0), 0u) << table << sign;
            EXPECT_EQ(text.substr(text.size() - 4), "</p>") << table << sign;
            EXPECT_GE(HanCount(text), 200u) << table << sign;
            EXPECT_LE(HanCount(text), 600u) << table << sign;
            EXPECT_TRUE(texts.insert(text).second) << table << sign;
        }
    }
}

TEST(Knowledge, SurnameOrigins) {
    const auto rows = QueryRows(BrennBirthPath(), "select xingl, intro from xing");
    EXPECT_GE(rows.size(), 300u);
    std::set<std::string> surnames;
    std::set<std::string> texts;
    for (const Row& row : rows) {
        EXPECT_TRUE(surnames.insert(row.Trimmed(0)).second) << row.Text(0);
        EXPECT_TRUE(texts.insert(row.Trimmed(1)).second) << row.Text(0);
        EXPECT_GE(HanCount(row.Text(1)), 150u) << row.Text(0);
        EXPECT_LE(HanCount(row.Text(1)), 400u) << row.Text(0);
    }
    for (const char* surname : {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "汤", "欧阳", "司马", "诸葛",
                                "上官", "东方", "皇甫", "尉迟", "公孙", "慕容", "长孙", "宇文", "司徒", "夏侯", "令狐"}) {
        EXPECT_EQ(surnames.count(surname), 1u) << surname;
    }
}

TEST(Knowledge, GridNumberCommentaries) {
    std::set<std::string> texts;
    for (int n = 1; n <= 160; ++n) {
        const auto rows = QueryRows(BrennFilePath(), "select content from namefx where num = '" + std::to_string(n) + "'");
        ASSERT_EQ(rows.size(), 1u) << n;
        const std::string text = Unscramble(rows[0].Text(0));
        EXPECT_GE(HanCount(text), 80u) << n;
        EXPECT_LE(HanCount(text), 250u) << n;
        EXPECT_TRUE(texts.insert(text).second) << n;
    }
}

// The builder gives byte-identical files for the same sources.
TEST(Knowledge, BuilderIsDeterministic) {
    const fs::path a = fs::temp_directory_path() / "varnel-knowledge-a";
    const fs::path b = fs::temp_directory_path() / "varnel-knowledge-b";
    for (const auto& dir : {a, b}) {
        fs::remove_all(dir);
        const std::string command = std::string(VARNEL_KNOWLEDGE_BUILDER) + " --data " + VARNEL_DATA +
                                    " --out " + dir.string();
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    auto bytes = [](const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    for (const char* name : {"dream.dll", "BrennFile.dll", "BrennBirth.dll", "Tgcode.dll", "shensha/rizhu.txt"}) {
        EXPECT_EQ(bytes(a / name), bytes(b / name)) << name;
        EXPECT_EQ(bytes(a / name), bytes(KnowledgeDir() / name)) << name;
    }
    fs::remove_all(a);
    fs::remove_all(b);
}

}  // namespace
}  // namespace varnel
