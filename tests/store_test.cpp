#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "reports/command_dispatch.hpp"
#include "store/lookup.hpp"
#include "store/quote.hpp"
#include "store/unscramble.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

namespace fs = std::filesystem;

// A small database made for each test, removed afterwards.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("varnel-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        db_ = dir_ / "fixture.dll";
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(db_.string().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db,
                               "create table words (hz text, wh text);"
                               "insert into words values ('辰戌', '土'), ('辰', '水'), "
                               "('O''Brien', '人'), ('甲', ' 木 ');",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    fs::path db_;
};

TEST_F(StoreFixture, FirstRowOfAStatement) {
    const auto row = QueryFirstRow(db_, "select wh, hz from words where hz = " + SqlText("甲"));
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->Text(0), " 木 ");
    EXPECT_EQ(row->Trimmed("WH"), "木");  // names compare without case
    EXPECT_EQ(row->Text("hz"), "甲");
    EXPECT_THROW(row->Text(2), StoreError);
    EXPECT_THROW(row->Text("nope"), StoreError);
    EXPECT_FALSE(QueryFirstRow(db_, "select wh from words where hz = 'x'").has_value());
}

TEST_F(StoreFixture, QuotedKeysMatchLiterally) {
    EXPECT_EQ(SqlText("O'Brien"), "'O''Brien'");
    const auto row = QueryFirstRow(db_, "select wh from words where hz = " + SqlText("O'Brien"));
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->Text(0), "人");
}

TEST_F(StoreFixture, ContainsPatternTakesTheFirstMatchingRow) {
    EXPECT_EQ(SqlContains("辰"), "'%辰%' escape '\\'");
    const auto row = QueryFirstRow(db_, "select wh from words where hz like " + SqlContains("辰"));
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->Text(0), "土");
    EXPECT_EQ(QueryRows(db_, "select wh from words where hz like " + SqlContains("辰")).size(), 2u);
}

TEST_F(StoreFixture, WildcardsInAContainsKeyMatchOnlyThemselves) {
    for (const char* key : {"%", "_", "\\", "%'--"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(QueryRows(db_, "select wh from words where hz like " + SqlContains(key)).empty());
    }
}

TEST_F(StoreFixture, MissingFileFailsWithoutCreatingIt) {
    const fs::path missing = dir_ / "missing.dll";
    EXPECT_THROW(QueryFirstRow(missing, "select 1"), StoreError);
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(StoreFixture, MissingTableOrColumnFails) {
    try {
        QueryFirstRow(db_, "select wh from absent");
        ADD_FAILURE();
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("no such table: absent"), std::string::npos) << e.what();
    }
    EXPECT_THROW(QueryFirstRow(db_, "select nope from words"), StoreError);
}

TEST_F(StoreFixture, CorruptAndEmptyFilesFail) {
    const fs::path corrupt = dir_ / "corrupt.dll";
    std::ofstream(corrupt) << std::string(4096, 'x');
    EXPECT_THROW(QueryFirstRow(corrupt, "select wh from words"), StoreError);
    const fs::path empty = dir_ / "empty.dll";
    std::ofstream{empty};
    EXPECT_THROW(QueryFirstRow(empty, "select wh from words"), StoreError);
}

TEST_F(StoreFixture, ConnectionsAreReadOnly) {
    EXPECT_THROW(QueryRows(db_, "delete from words"), StoreError);
    EXPECT_EQ(QueryRows(db_, "select * from words").size(), 4u);
}

TEST_F(StoreFixture, TheThreeFailureBehaviours) {
    const fs::path missing = dir_ / "missing.dll";
    auto lookup = [&] {
        const auto row = QueryFirstRow(missing, "select wh from words");
        return row ? row->Trimmed(0) : std::string();
    };
    EXPECT_EQ(SwallowFailure(lookup), "");
    EXPECT_THROW(CancelOnFailure(lookup), CommandCancelled);
    EXPECT_THROW(lookup(), StoreError);
    // A lookup that works is passed through unchanged.
    auto good = [&] { return QueryFirstRow(db_, "select wh from words")->Trimmed(0); };
    EXPECT_EQ(SwallowFailure(good), "土");
    EXPECT_EQ(CancelOnFailure(good), "土");
}

// Puts a database with one row of `words` in place of the fixture.
void ReplaceWords(const fs::path& file, const std::string& wh) {
    const fs::path next = file.string() + ".next";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(next.string().c_str(), &db), SQLITE_OK);
    const std::string sql = "create table words (hz text, wh text); insert into words values ('甲', '" + wh + "');";
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    fs::rename(next, file);
}

std::string FirstWh(const fs::path& file, const std::string& sql = "select wh from words where hz = '甲'") {
    const auto row = QueryFirstRow(file, sql);
    return row ? row->Trimmed(0) : "(none)";
}

TEST_F(StoreFixture, ARepeatedStatementInOneScopeAnswersWithoutOpeningTheFileAgain) {
    {
        const LookupMemoScope memo;
        EXPECT_EQ(FirstWh(db_), "木");
        ReplaceWords(db_, "金");
        EXPECT_EQ(FirstWh(db_), "木");                          // the same statement: its first answer
        EXPECT_EQ(FirstWh(db_, "select wh from words"), "金");  // another statement reads the file
        {
            const LookupMemoScope inner;
            EXPECT_EQ(FirstWh(db_), "木");
        }
        EXPECT_EQ(FirstWh(db_), "木");  // an inner scope ending keeps the outer one's answers
    }
    EXPECT_EQ(FirstWh(db_), "金");  // after the scope every statement reads the file
}

TEST_F(StoreFixture, AFailedLookupIsTriedAgainInTheSameScope) {
    const fs::path later = dir_ / "later.dll";
    const LookupMemoScope memo;
    EXPECT_THROW(FirstWh(later), StoreError);
    fs::copy_file(db_, later);
    EXPECT_EQ(FirstWh(later), "木");
}

TEST_F(StoreFixture, EachCommandRunsInAScopeOfItsOwn) {
    struct Errors : ErrorReporter {
        void ShowError(std::string_view message) override { ADD_FAILURE() << message; }
    } errors;
    std::vector<std::string> seen;
    RunCommand([&] {
        seen.push_back(FirstWh(db_));
        ReplaceWords(db_, "金");
        seen.push_back(FirstWh(db_));
    }, errors);
    RunCommand([&] { seen.push_back(FirstWh(db_)); }, errors);
    EXPECT_EQ(seen, (std::vector<std::string>{"木", "木", "金"}));
}

TEST_F(StoreFixture, FoldersWithUriCharactersInTheirNames) {
    // The file is opened through a URI: these characters must reach it as they are.
    const fs::path folder = dir_ / "a b%20?x=1#frag&~ü";
    fs::create_directories(folder);
    fs::copy_file(db_, folder / "fixture.dll");
    EXPECT_EQ(FirstWh(folder / "fixture.dll"), "木");
    EXPECT_THROW(FirstWh(dir_ / "a b" / "fixture.dll"), StoreError);
}

int g_beeps = 0;
void CountBeep() { ++g_beeps; }

TEST(Unscramble, RestoresWhatScrambleWrote) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> lead(0xB0, 0xD6);
    std::uniform_int_distribution<int> trail(0xA1, 0xFE);
    std::uniform_int_distribution<int> length(0, 120);
    std::uniform_int_distribution<int> ascii(0x20, 0x7E);
    for (int i = 0; i < 300; ++i) {
        std::string gbk;
        const int n = length(random);
        for (int k = 0; k < n; ++k) {
            if (k % 7 == 3) {
                gbk += static_cast<char>(ascii(random));
            } else {
                gbk += static_cast<char>(lead(random));
                gbk += static_cast<char>(trail(random));
            }
        }
        const std::string text = FromGbk(gbk);
        const std::string hex = Scramble(text);
        EXPECT_EQ(hex.size(), 2 * gbk.size());
        ASSERT_EQ(Unscramble(hex), text) << i;
        ASSERT_EQ(Unscramble("  " + hex + "\r\n"), text);  // the column value is trimmed first
    }
}

TEST(Unscramble, ShortAndMalformedInput) {
    SetBeepHandler(CountBeep);
    g_beeps = 0;
    EXPECT_EQ(Unscramble(""), "");
    EXPECT_EQ(Unscramble("4"), "");    // a lone digit decodes to nothing
    EXPECT_EQ(Unscramble("41"), "A");  // a single byte is left as it is
    EXPECT_EQ(Unscramble("415"), "A"); // the trailing odd digit is ignored
    EXPECT_EQ(g_beeps, 0);

    const std::string hex = Scramble("称骨算命");
    EXPECT_EQ(Unscramble(hex + "7"), "称骨算命");
    EXPECT_EQ(Unscramble("ZZ" + hex), "称骨算命");  // a pair that is not hexadecimal is skipped
    EXPECT_EQ(g_beeps, 1);
    EXPECT_EQ(Unscramble(std::string(hex).replace(0, 2, "g1")), Unscramble(hex.substr(2)));
    EXPECT_EQ(g_beeps, 2);
    EXPECT_EQ(Unscramble("xyz!"), "");
    EXPECT_EQ(g_beeps, 4);
    SetBeepHandler(nullptr);
}

}  // namespace
}  // namespace varnel
