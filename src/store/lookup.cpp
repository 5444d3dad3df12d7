#include "store/lookup.hpp"

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include <utility>

#include "text/conversion_error.hpp"
#include "text/trim.hpp"

namespace varnel {

// The rows each statement answered during the current command, by file, statement and limit.
struct LookupMemo {
    using Key = std::tuple<std::filesystem::path::string_type, std::string, std::size_t>;
    std::map<Key, std::vector<Row>> answers;
};

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

// A file: URI for the path. The knowledge files never change while the program runs, so they
// are opened immutable: no locks and no look for a journal, a third fewer system calls per open.
std::string ImmutableUri(const std::filesystem::path& file) {
    const auto path = std::filesystem::absolute(file).generic_u8string();
    // A drive path (C:/...) takes a leading slash.
    std::string uri = path.starts_with(u8"/") ? "file:" : "file:/";
    for (const char8_t c8 : path) {
        const auto c = static_cast<unsigned char>(c8);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~' || c >= 0x80;
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0xF];
        }
    }
    return uri + "?immutable=1";
}

// Memory statistics cost a lock on every allocation and nothing here reads them. The setting
// has to come before SQLite starts; once it has started the call changes nothing.
void ConfigureSqliteOnce() {
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    (void)configured;
}

class Connection {
public:
    explicit Connection(const std::filesystem::path& file) : file_(file) {
        ConfigureSqliteOnce();
        const int rc = sqlite3_open_v2(ImmutableUri(file).c_str(), &db_,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        if (rc != SQLITE_OK) {
            // A failed open still hands out a handle, and the destructor does not run for a
            // constructor that throws: close it here.
            const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            db_ = nullptr;
            throw StoreError(file_.filename().string() + ": " + message);
        }
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return db_; }

    [[noreturn]] void Fail() const {
        const char* message = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
        throw StoreError(file_.filename().string() + ": " + message);
    }

private:
    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(const Connection& connection, std::string_view sql) {
        if (sqlite3_prepare_v2(connection.get(), sql.data(), static_cast<int>(sql.size()),
                               &stmt_, nullptr) != SQLITE_OK ||
            stmt_ == nullptr) {
            connection.Fail();
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

std::string ColumnText(sqlite3_stmt* stmt, int i) {
    const auto* text = sqlite3_column_text(stmt, i);
    if (text == nullptr) return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
}

std::vector<Row> RunStatement(const std::filesystem::path& file, std::string_view sql,
                              std::size_t limit) {
    const Connection connection(file);
    const Statement statement(connection, sql);
    sqlite3_stmt* stmt = statement.get();
    const int columns = sqlite3_column_count(stmt);
    std::vector<std::string> names;
    for (int i = 0; i < columns; ++i) names.emplace_back(sqlite3_column_name(stmt, i));

    std::vector<Row> rows;
    while (rows.size() < limit) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) connection.Fail();
        std::vector<std::string> values;
        values.reserve(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i) values.push_back(ColumnText(stmt, i));
        rows.emplace_back(names, std::move(values));
    }
    return rows;
}

thread_local LookupMemo* active_memo = nullptr;

}  // namespace

LookupMemoScope::LookupMemoScope() {
    if (active_memo == nullptr) {
        owned_ = std::make_unique<LookupMemo>();
        active_memo = owned_.get();
    }
}

LookupMemoScope::~LookupMemoScope() {
    if (owned_ != nullptr) active_memo = nullptr;
}

Row::Row(std::vector<std::string> names, std::vector<std::string> values)
    : names_(std::move(names)), values_(std::move(values)) {}

const std::string& Row::Text(std::size_t column) const {
    if (column >= values_.size()) {
        throw StoreError("column " + std::to_string(column) + " does not exist");
    }
    return values_[column];
}

const std::string& Row::Text(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (SameName(names_[i], name)) return values_[i];
    }
    throw StoreError("column " + std::string(name) + " does not exist");
}

std::string Row::Trimmed(std::size_t column) const { return Trim(Text(column)); }
std::string Row::Trimmed(std::string_view name) const { return Trim(Text(name)); }

int Row::Integer(std::size_t column) const {
    try {
        return ParseInt(Trimmed(column));
    } catch (const ConversionError& e) {
        throw StoreError(e.what());
    }
}

bool Row::Has(std::string_view name) const {
    return std::any_of(names_.begin(), names_.end(),
                       [&](const std::string& n) { return SameName(n, name); });
}

std::vector<Row> QueryRows(const std::filesystem::path& file, std::string_view sql,
                           std::size_t limit) {
    if (active_memo == nullptr) return RunStatement(file, sql, limit);
    LookupMemo::Key key(file.native(), sql, limit);
    if (const auto found = active_memo->answers.find(key); found != active_memo->answers.end()) {
        return found->second;
    }
    auto rows = RunStatement(file, sql, limit);
    active_memo->answers.emplace(std::move(key), rows);
    return rows;
}

std::optional<Row> QueryFirstRow(const std::filesystem::path& file, std::string_view sql) {
    auto rows = QueryRows(file, sql, 1);
    if (rows.empty()) return std::nullopt;
    return std::move(rows.front());
}

}  // namespace varnel
