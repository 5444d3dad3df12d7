// varnel-knowledge --data DIR --out DIR [--unihan DIR]
//
// Builds dream.dll, BrennFile.dll, BrennBirth.dll and Tgcode.dll (SQLite files) and the
// shensha/ folder from the sources under data/. Every table comes from data/<file>/<table>.tsv
// except the generated ones:
//   Tgcode.dll JQ        the 24 solar terms of every Gregorian year 1900–2100, computed from
//                        the Sun's apparent ecliptic longitude (ERFA), in China standard time;
//   BrennFile.dll bihua  the stroke table, one row per count, from the Unihan files (strokes.cpp);
//   BrennBirth.dll huangdao  the daily almanac.
// The illustrated articles, BrennFile.dll tuwen, hold one row per page: wenid (article number),
// ye (page 1 …), tu (the page's SVG picture) and wen (its text).
// The hexagram table Tgcode.dll 64gua numbers the hexagrams 0 … 63 in the King Wen order (0 乾为天,
// 63 火水未济). Its GuaCode has six characters, character i being line i counted from the bottom:
// "1" is a yang (solid) line, "0" a yin (broken) one. A coin showing heads (正面) casts "0" and
// tails (反面) "1", so six heads give 坤为地 (000000) and six tails 乾为天 (111111).
// The output is deterministic: the same sources give byte-identical files.
#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "calendar/lunar.hpp"
#include "divination/almanac.hpp"
#include "knowledge_db.hpp"
#include "solar_terms.hpp"
#include "strokes.hpp"
#include "text/gbk.hpp"
#include "tsv_source.hpp"

namespace fs = std::filesystem;
using namespace varnel;
using namespace varnel::knowledge;

namespace {

struct DatabaseFile {
    std::string_view name;
    std::vector<std::string_view> tables;  // every table the programs read from it
};

const std::array<DatabaseFile, 4> kDatabases = {{
    {"dream.dll", {"chenggu", "chenggu1", "chenggu2", "chenggu3", "chenggu4", "shouji"}},
    {"BrennFile.dll",
     {"81", "aiqing", "baojian", "bihua", "mingren", "namefx", "ndeq", "qingxv", "sancai",
      "sancai2009", "shiye", "tuwen", "zhiwen", "zhuge"}},
    {"BrennBirth.dll", {"Noter", "QQpd", "huangdao", "places", "xing"}},
    {"Tgcode.dll", {"64gua", "JQ", "Shishen", "hzwh", "jiazi", "qtbj", "sjrs"}},
}};

constexpr std::array<std::string_view, 7> kShenshaFiles = {
    "niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt", "rizhi.txt", "rizhu.txt", "rizhus.txt"};

constexpr int kFirstTermYear = 1900;
constexpr int kLastTermYear = 2100;

TableSource SolarTermTable() {
    TableSource table{"JQ", {{"YearA", ColumnType::Int}, {"JQ"}, {"SJ", ColumnType::Date}}, {}, {"SJ"}};
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
        for (const SolarTerm& term : SolarTermsOfYear(year)) {
            table.rows.push_back({std::to_string(DecodeDate(term.moment).year),
                                  std::string(SolarTermNames[static_cast<std::size_t>(term.index)]),
                                  FormatDateTime(term.moment)});
        }
    }
    return table;
}

TableSource StrokeTable(const fs::path& unihan) {
    TableSource table{"bihua", {{"num"}, {"hanzi"}}, {}, {}};
    for (const auto& [strokes, characters] : NameStrokeTable(unihan)) {
        table.rows.push_back({std::to_string(strokes), characters});
    }
    return table;
}

// The almanac of every day 1901–2100. The month of a day is the one opened by the last
// month-opening term (小寒, 立春, 惊蛰, …, the even term indices) up to the day's end.
TableSource AlmanacTable() {
    TableSource table{"huangdao", {{"gn", ColumnType::Date}}, {}, {"gn"}};
    for (const char* column : {"nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"}) {
        table.columns.push_back({column});
    }
    std::vector<SolarTerm> opening;
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
        for (const SolarTerm& term : SolarTermsOfYear(year)) {
            if (term.index % 2 == 0) opening.push_back(term);
        }
    }
    const DateTime first = EncodeDate(kFirstTermYear + 1, 1, 1);
    const DateTime last = EncodeDate(kLastTermYear, 12, 31);
    std::size_t next = 0;
    MonthPosition month;
    for (DateTime day = first; day <= last; day += 1) {
        const DateTime endOfDay = day + 86399.0 / 86400.0;
        while (next < opening.size() && opening[next].moment <= endOfDay) {
            const SolarTerm& term = opening[next++];
            const int termYear = DecodeDate(term.moment).year;
            month.monthBranch = (term.index / 2 + 1) % 12;  // 小寒 opens 丑, 立春 寅, … 大雪 子
            month.pillarYear = term.index == 0 ? termYear - 1 : termYear;
        }
        const AlmanacDay entry = AlmanacOf(day, month);
        table.rows.push_back({FormatDate(day), entry.nn, entry.suici, entry.tszf, entry.wuhang, entry.cong,
                              entry.pzbj, entry.jsyq, entry.yi, entry.xsyq, entry.ji});
    }
    return table;
}

std::vector<TableSource> GeneratedTables(std::string_view database, const fs::path& unihan) {
    std::vector<TableSource> tables;
    if (database == "Tgcode.dll") tables.push_back(SolarTermTable());
    if (database == "BrennFile.dll") tables.push_back(StrokeTable(unihan));
    if (database == "BrennBirth.dll") tables.push_back(AlmanacTable());
    return tables;
}

void BuildDatabase(const DatabaseFile& file, const fs::path& data, const fs::path& unihan, const fs::path& out) {
    std::vector<TableSource> tables = ReadDatabaseSources(data / file.name);
    for (auto& generated : GeneratedTables(file.name, unihan)) tables.push_back(std::move(generated));
    std::sort(tables.begin(), tables.end(),
              [](const TableSource& a, const TableSource& b) { return a.table < b.table; });

    std::set<std::string_view> present;
    for (const auto& table : tables) {
        if (!present.insert(table.table).second) {
            throw SourceError(std::string(file.name) + ": table " + table.table + " given twice");
        }
    }
    for (const auto name : file.tables) {
        if (present.count(name) == 0) {
            throw SourceError(std::string(file.name) + ": no source for table " + std::string(name));
        }
    }

    KnowledgeDb db(out / file.name);
    for (const auto& table : tables) db.AddTable(table);
    db.Commit();
}

void BuildShensha(const fs::path& data, const fs::path& out) {
    fs::create_directories(out / "shensha");
    for (const auto name : kShenshaFiles) {
        const fs::path source = data / "shensha" / name;
        std::ifstream in(source, std::ios::binary);
        if (!in) throw SourceError(source.string() + ": cannot be read");
        std::stringstream text;
        text << in.rdbuf();
        const fs::path target = out / "shensha" / name;
        const fs::path temporary = target.string() + ".tmp";
        {
            std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
            file << ToGbk(text.str());
            if (!file) throw SourceError(temporary.string() + ": cannot be written");
        }
        fs::rename(temporary, target);
    }
}

}  // namespace

int main(int argc, char** argv) {
    fs::path data;
    fs::path out;
    fs::path unihan = "/usr/share/unicode";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--data") data = argv[i + 1];
        else if (option == "--out") out = argv[i + 1];
        else if (option == "--unihan") unihan = argv[i + 1];
    }
    if (data.empty() || out.empty()) {
        std::cerr << "usage: varnel-knowledge --data DIR --out DIR [--unihan DIR]\n";
        return 2;
    }
    try {
        fs::create_directories(out);
        for (const auto& file : kDatabases) BuildDatabase(file, data, unihan, out);
        BuildShensha(data, out);
    } catch (const std::exception& e) {
        std::cerr << "varnel-knowledge: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
