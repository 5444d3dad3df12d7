#include "chart/spirit_stars.hpp"

#include <array>
#include <fstream>
#include <sstream>

#include "calendar/sexagenary.hpp"
#include "chart/attributes.hpp"
#include "store/failure.hpp"
#include "text/gbk.hpp"
#include "text/trim.hpp"

namespace varnel {

namespace {

constexpr std::size_t kNameCharacters = 5;
constexpr std::size_t kMaxItems = 21;
constexpr std::size_t kValueBytes = 10;
constexpr std::size_t kYearBranchLines = 14;
constexpr std::size_t kDayBranchLines = 7;
constexpr std::size_t kPillarFormLines = 5;

// A test of "contains" never matches an empty text.
bool Contains(std::string_view text, std::string_view part) {
    return !part.empty() && text.find(part) != std::string_view::npos;
}

// The first n characters (ASCII or multi-byte) of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t n) {
    std::size_t bytes = 0;
    for (std::size_t count = 0; count < n && bytes < text.size(); ++count) {
        ++bytes;
        while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) ++bytes;
    }
    return text.substr(0, bytes);
}

std::string_view LastCharacter(std::string_view text) {
    std::size_t start = text.size();
    while (start > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) break;
    }
    return text.substr(start);
}

std::string RemoveAll(std::string text, std::string_view part) {
    if (part.empty()) return text;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
        text.erase(at, part.size());
    }
    return text;
}

RuleItem ParseItem(std::string_view item) {
    const std::size_t colon = item.find(':');
    if (colon == std::string_view::npos) return {"", Trim(GbkCopy(item, 1, kValueBytes))};
    return {std::string(item.substr(0, colon)), Trim(GbkCopy(item.substr(colon + 1), 1, kValueBytes))};
}

bool LineIsUsed(RuleFile file, std::size_t index, int direction) {
    switch (file) {
        case RuleFile::YearBranch:
            if (index >= kYearBranchLines) return false;
            if (index == 2 && direction == 1) return false;
            if (index == 3 && direction == 0) return false;
            return true;
        case RuleFile::DayBranch: return index < kDayBranchLines;
        default: return true;
    }
}

bool ItemMatches(RuleFile file, std::size_t index, const RuleItem& item, const StarQuery& q) {
    switch (file) {
        case RuleFile::YearStem:
        case RuleFile::YearBranch:
        case RuleFile::DayStem:
        case RuleFile::DayBranch: return Contains(item.key, q.key) && Contains(item.value, q.value);
        case RuleFile::MonthBranch:
            return Contains(item.key, q.key) &&
                   (Contains(item.value, q.value) || Contains(item.value, q.otherValue));
        case RuleFile::Pillar:
            if (index < kPillarFormLines) {
                return Contains(item.key, q.key) && (Contains(item.value, q.value) || item.value.empty());
            }
            return Contains(item.key, LastCharacter(q.key)) && Contains(item.value, q.value);
        case RuleFile::DayHourPillar:
            return (Contains(item.key, q.key) || item.key.empty()) && Contains(item.value, q.value);
    }
    return false;
}

// 披麻, 吊客 and 丧门 follow from the key branch and the pillar's branch.
std::string ComputedStars(const StarQuery& q) {
    struct Offset {
        int steps;
        std::string_view name;
    };
    constexpr std::array<Offset, 3> kOffsets = {{{10, " 披麻"}, {2, " 吊客"}, {3, " 丧门"}}};
    std::string stars;
    for (const Offset& offset : kOffsets) {
        const auto index = static_cast<std::size_t>(((q.keyIndex + offset.steps) % 12 + 12) % 12);
        if (BranchNames[index] == q.value) stars += offset.name;
    }
    return stars;
}

}  // namespace

std::string_view RuleFileName(RuleFile file) {
    constexpr std::array<std::string_view, 7> kNames = {
        "niangan.txt", "nianzhi.txt", "yuezhi.txt", "rigan.txt", "rizhi.txt", "rizhu.txt", "rizhus.txt"};
    return kNames[static_cast<std::size_t>(file)];
}

RuleLine ParseRuleLine(std::string_view line) {
    const std::string_view field = FirstCharacters(line, kNameCharacters);
    RuleLine rule;
    rule.name = Trim(field);
    std::string rest = Trim(RemoveAll(std::string(line), field));
    for (std::size_t n = 0; n < kMaxItems && !rest.empty(); ++n) {
        const std::size_t comma = rest.find(',');
        const std::string item = rest.substr(0, comma);
        rest = comma == std::string::npos ? std::string() : Trim(std::string_view(rest).substr(comma + 1));
        if (!item.empty()) rule.items.push_back(ParseItem(item));
    }
    return rule;
}

std::vector<std::string> ReadRuleFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw StoreError("Cannot open file \"" + path.string() + "\"");
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = FromGbk(bytes.str());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string SpiritStarsOf(RuleFile file, const std::vector<std::string>& lines, const StarQuery& query) {
    if (lines.empty()) return {};
    std::string stars;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (!LineIsUsed(file, index, query.direction)) continue;
        const RuleLine rule = ParseRuleLine(lines[index]);
        for (const RuleItem& item : rule.items) {
            if (ItemMatches(file, index, item, query)) stars += " " + rule.name;
        }
    }
    if (file == RuleFile::YearBranch || file == RuleFile::DayBranch) stars += ComputedStars(query);
    return Trim(stars);
}

std::string SpiritStarRow(const FourPillars& chart, int pillar, const std::filesystem::path& folder) {
    const std::array<std::pair<const std::string*, const std::string*>, 4> pillars = {{
        {&chart.yearStemName, &chart.yearBranchName},
        {&chart.monthStemName, &chart.monthBranchName},
        {&chart.dayStemName, &chart.dayBranchName},
        {&chart.hourStemName, &chart.hourBranchName},
    }};
    const auto [stem, branch] = pillars.at(static_cast<std::size_t>(pillar));
    const std::string text = *stem + *branch;
    const std::string dayPillar = chart.dayStemName + chart.dayBranchName;
    const std::string hourPillar = chart.hourStemName + chart.hourBranchName;

    struct Lookup {
        RuleFile file;
        StarQuery query;
    };
    std::vector<Lookup> lookups = {
        {RuleFile::YearStem, {chart.yearStemName, *branch, "", 0, 0}},
        {RuleFile::YearBranch,
         {chart.yearBranchName, *branch, "", StemBranchIndex(chart.yearBranchName, true), chart.backward}},
        {RuleFile::MonthBranch, {chart.monthBranchName, *stem, *branch, 0, 0}},
        {RuleFile::DayStem, {chart.dayStemName, *branch, "", 0, 0}},
        {RuleFile::DayBranch, {chart.dayBranchName, *branch, "", StemBranchIndex(chart.dayBranchName, true), 0}},
        {RuleFile::Pillar, {text, dayPillar, "", 0, 0}},
    };
    if (pillar < 3) lookups.push_back({RuleFile::DayHourPillar, {dayPillar, hourPillar, "", 0, 0}});

    std::string row;
    for (std::size_t i = 0; i < lookups.size(); ++i) {
        const auto lines = ReadRuleFile(folder / RuleFileName(lookups[i].file));
        row += (i > 0 ? " " : "") + SpiritStarsOf(lookups[i].file, lines, lookups[i].query);
    }
    return Trim(row);
}

}  // namespace varnel
