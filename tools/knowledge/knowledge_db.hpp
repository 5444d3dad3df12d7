#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string_view>

#include "tsv_source.hpp"

namespace varnel::knowledge {

// A database file being written. It is built under a temporary name and only takes its
// real name on Commit, so a failed build never leaves a half-written file behind.
class KnowledgeDb {
public:
    explicit KnowledgeDb(std::filesystem::path target);
    ~KnowledgeDb();
    KnowledgeDb(const KnowledgeDb&) = delete;
    KnowledgeDb& operator=(const KnowledgeDb&) = delete;

    // Creates the table and inserts the rows, converting each field to its column's type.
    void AddTable(const TableSource& source);
    void Commit();

private:
    void Exec(std::string_view sql);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    sqlite3* db_ = nullptr;
    bool committed_ = false;
};

}  // namespace varnel::knowledge
