#include "knowledge_db.hpp"

#include <cstdlib>
#include <string>

#include "store/unscramble.hpp"
#include "text/date_serial.hpp"

namespace varnel::knowledge {

namespace {

std::string Identifier(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string_view SqlType(ColumnType type) {
    switch (type) {
        case ColumnType::Int: return "INTEGER";
        case ColumnType::Real: return "REAL";
        case ColumnType::TextNoCase: return "TEXT COLLATE NOCASE";
        default: return "TEXT";
    }
}

class Insert {
public:
    Insert(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
            throw SourceError(std::string("cannot prepare insert: ") + sqlite3_errmsg(db));
        }
    }
    ~Insert() { sqlite3_finalize(stmt_); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

void Bind(sqlite3_stmt* stmt, int index, const Column& column, const std::string& value,
          const std::string& where) {
    auto bind_text = [&](const std::string& text) {
        sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    };
    if (value.empty() && column.type != ColumnType::Text && column.type != ColumnType::TextNoCase &&
        column.type != ColumnType::Scrambled) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (column.type) {
        case ColumnType::Text:
        case ColumnType::TextNoCase: bind_text(value); break;
        case ColumnType::Scrambled: bind_text(Scramble(value)); break;
        case ColumnType::Int: {
            char* end = nullptr;
            const long long number = std::strtoll(value.c_str(), &end, 10);
            if (*end != '\0') throw SourceError(where + ": " + column.name + " is not an integer");
            sqlite3_bind_int64(stmt, index, number);
            break;
        }
        case ColumnType::Real: {
            char* end = nullptr;
            const double number = std::strtod(value.c_str(), &end);
            if (*end != '\0') throw SourceError(where + ": " + column.name + " is not a number");
            sqlite3_bind_double(stmt, index, number);
            break;
        }
        case ColumnType::Date: {
            // ISO date texts: "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss".
            try {
                ParseDateText(value.substr(0, 10));
            } catch (const std::exception&) {
                throw SourceError(where + ": " + column.name + " is not a date");
            }
            bind_text(value);
            break;
        }
    }
}

}  // namespace

KnowledgeDb::KnowledgeDb(std::filesystem::path target)
    : target_(std::move(target)), temporary_(target_.string() + ".tmp") {
    std::filesystem::remove(temporary_);
    if (sqlite3_open_v2(temporary_.string().c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        throw SourceError("cannot create " + temporary_.string());
    }
    Exec("PRAGMA journal_mode = OFF");
    Exec("PRAGMA synchronous = OFF");
    Exec("BEGIN");
}

KnowledgeDb::~KnowledgeDb() {
    sqlite3_close(db_);
    if (!committed_) std::filesystem::remove(temporary_);
}

void KnowledgeDb::Exec(std::string_view sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        throw SourceError(target_.filename().string() + ": " + message + " in: " + std::string(sql));
    }
}

void KnowledgeDb::AddTable(const TableSource& source) {
    std::string create = "CREATE TABLE " + Identifier(source.table) + " (";
    std::string insert = "INSERT INTO " + Identifier(source.table) + " VALUES (";
    for (std::size_t i = 0; i < source.columns.size(); ++i) {
        const char* separator = i == 0 ? "" : ", ";
        create += separator + Identifier(source.columns[i].name) + " " +
                  std::string(SqlType(source.columns[i].type));
        insert += separator + std::string("?");
    }
    Exec(create + ")");

    const Insert statement(db_, insert + ")");
    for (std::size_t r = 0; r < source.rows.size(); ++r) {
        const std::string where = target_.filename().string() + " " + source.table + " row " +
                                  std::to_string(r + 1);
        for (std::size_t c = 0; c < source.columns.size(); ++c) {
            Bind(statement.get(), static_cast<int>(c + 1), source.columns[c], source.rows[r][c], where);
        }
        if (sqlite3_step(statement.get()) != SQLITE_DONE) {
            throw SourceError(where + ": " + sqlite3_errmsg(db_));
        }
        sqlite3_reset(statement.get());
        sqlite3_clear_bindings(statement.get());
    }
    for (const std::string& column : source.indexed) {
        Exec("CREATE INDEX " + Identifier(source.table + "_" + column) + " ON " + Identifier(source.table) + " (" +
             Identifier(column) + ")");
    }
}

void KnowledgeDb::Commit() {
    Exec("COMMIT");
    sqlite3_close(db_);
    db_ = nullptr;
    std::filesystem::rename(temporary_, target_);
    committed_ = true;
}

}  // namespace varnel::knowledge
