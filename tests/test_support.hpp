#pragma once

#include <cstdlib>
#include <unistd.h>
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sqlite3.h>

#include <stdexcept>

#include "reports/report_sink.hpp"

namespace varnel::testing {

// Keeps every notice a reading shows.
class RecordingNotifier : public Notifier {
public:
    void ShowNotice(std::string_view text) override { notices.emplace_back(text); }
    std::vector<std::string> notices;
};

// Points the knowledge lookups at another folder for the life of the object; by default an
// empty one, so that every database file and the shensha folder are missing.
class KnowledgeDirOverride {
public:
    explicit KnowledgeDirOverride(std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                                              "varnel-no-knowledge")
        : dir_(std::move(dir)) {
        std::filesystem::create_directories(dir_);
        setenv("VARNEL_KNOWLEDGE_DIR", dir_.c_str(), 1);
    }
    ~KnowledgeDirOverride() { unsetenv("VARNEL_KNOWLEDGE_DIR"); }
    KnowledgeDirOverride(const KnowledgeDirOverride&) = delete;
    KnowledgeDirOverride& operator=(const KnowledgeDirOverride&) = delete;

    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

// A temporary folder of its own for the running test: tests of one fixture may run at the same
// time in separate processes.
inline std::filesystem::path TestTempDir(const std::string& prefix) {
    return std::filesystem::temp_directory_path() /
           (prefix + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
            std::to_string(::getpid()));
}

// Creates (or extends) a small database file by running SQL statements on it.
inline void WriteFixtureDb(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(file.string().c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create fixture");
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture SQL failed: " + message);
}

#ifdef VARNEL_FIXTURES
// The lines of a golden report under tests/fixtures/reports.
inline std::vector<std::string> ReadExpectedReport(const std::string& name) {
    std::ifstream in(std::string(VARNEL_FIXTURES) + "/reports/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
#endif

}  // namespace varnel::testing
