#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace varnel::knowledge {

enum class ColumnType { Text, TextNoCase, Int, Real, Date, Scrambled };

struct Column {
    std::string name;
    ColumnType type = ColumnType::Text;
};

// One table's source: data/<file>/<table>.tsv. The first row names the columns (name:int,
// name:real, name:date and name:scrambled mark the non-text ones; name:nocase is text compared
// without regard to letter case); each further line is a row.
// Inside a field \n, \t and \\ stand for a line break, a tab and a backslash.
struct TableSource {
    std::string table;
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // unescaped texts
    std::vector<std::string> indexed;            // columns that get an index
};

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a table source; a table may be split into <table>.tsv, <table>.2.tsv, … which are
// merged in name order and must share their header.
TableSource ReadTableSource(const std::vector<std::filesystem::path>& files);

// The sources of one database folder, grouped by table, in table-name order.
std::vector<TableSource> ReadDatabaseSources(const std::filesystem::path& folder);

}  // namespace varnel::knowledge
