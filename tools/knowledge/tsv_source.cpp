#include "tsv_source.hpp"

#include <algorithm>
#include <fstream>
#include <map>

namespace varnel::knowledge {

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

std::string Unescape(const std::string& field, const std::string& where) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        const char next = i + 1 < field.size() ? field[i + 1] : '\0';
        switch (next) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '\\': out += '\\'; break;
            default: throw SourceError(where + ": unknown escape in field");
        }
        ++i;
    }
    return out;
}

Column ReadColumn(const std::string& header, const std::string& where) {
    static const std::map<std::string, ColumnType> kTypes = {
        {"int", ColumnType::Int},
        {"real", ColumnType::Real},
        {"date", ColumnType::Date},
        {"scrambled", ColumnType::Scrambled},
        {"nocase", ColumnType::TextNoCase},
    };
    const std::size_t colon = header.find(':');
    if (colon == std::string::npos) return {header, ColumnType::Text};
    const auto type = kTypes.find(header.substr(colon + 1));
    if (type == kTypes.end()) throw SourceError(where + ": unknown column type in " + header);
    return {header.substr(0, colon), type->second};
}

std::string TableNameOf(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    return name.substr(0, name.find('.'));
}

}  // namespace

TableSource ReadTableSource(const std::vector<std::filesystem::path>& files) {
    TableSource source;
    source.table = TableNameOf(files.front());
    std::string header_line;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) throw SourceError(file.string() + ": cannot be read");
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::string where = file.string() + ":" + std::to_string(number);
            if (number == 1) {
                if (header_line.empty()) {
                    header_line = line;
                    for (const auto& h : SplitTabs(line)) source.columns.push_back(ReadColumn(h, where));
                } else if (line != header_line) {
                    throw SourceError(where + ": header differs from the table's first file");
                }
                continue;
            }
            if (line.empty()) continue;
            auto fields = SplitTabs(line);
            if (fields.size() != source.columns.size()) {
                throw SourceError(where + ": " + std::to_string(fields.size()) + " fields, " +
                                  std::to_string(source.columns.size()) + " columns");
            }
            for (auto& field : fields) field = Unescape(field, where);
            source.rows.push_back(std::move(fields));
        }
        if (number == 0) throw SourceError(file.string() + ": no header row");
    }
    return source;
}

std::vector<TableSource> ReadDatabaseSources(const std::filesystem::path& folder) {
    std::map<std::string, std::vector<std::filesystem::path>> by_table;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".tsv") by_table[TableNameOf(entry.path())].push_back(entry.path());
    }
    std::vector<TableSource> sources;
    for (auto& [table, files] : by_table) {
        std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
            return a.filename().string().size() != b.filename().string().size()
                       ? a.filename().string().size() < b.filename().string().size()
                       : a.filename() < b.filename();
        });
        sources.push_back(ReadTableSource(files));
    }
    return sources;
}

}  // namespace varnel::knowledge
