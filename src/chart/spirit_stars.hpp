#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "chart/four_pillars.hpp"

namespace varnel {

// The seven rule files of the shensha folder, one kind of rule each.
enum class RuleFile {
    YearStem,       // niangan.txt
    YearBranch,     // nianzhi.txt
    MonthBranch,    // yuezhi.txt
    DayStem,        // rigan.txt
    DayBranch,      // rizhi.txt
    Pillar,         // rizhu.txt
    DayHourPillar,  // rizhus.txt
};
std::string_view RuleFileName(RuleFile file);

// One "key:value" item of a rule line.
struct RuleItem {
    std::string key;
    std::string value;
    friend bool operator==(const RuleItem&, const RuleItem&) = default;
};

// A rule line: the star's name (the first five characters, trimmed) and its items.
struct RuleLine {
    std::string name;
    std::vector<RuleItem> items;
};
RuleLine ParseRuleLine(std::string_view line);

// The lines of a rule file (GBK on disk). A file that cannot be read throws StoreError.
std::vector<std::string> ReadRuleFile(const std::filesystem::path& path);

// What a file's lines are matched with:
//   YearStem       key = year stem, value = the pillar's branch
//   YearBranch     key = year branch, value = the pillar's branch, keyIndex, direction
//   MonthBranch    key = month branch, value = the pillar's stem, otherValue = its branch
//   DayStem        key = day stem, value = the pillar's branch
//   DayBranch      key = day branch, value = the pillar's branch, keyIndex
//   Pillar         key = the pillar, value = the day pillar
//   DayHourPillar  key = the day pillar, value = the hour pillar
struct StarQuery {
    std::string key;
    std::string value;
    std::string otherValue;
    int keyIndex = 0;   // branch index (0 = 子) of the key branch
    int direction = 0;  // the chart's backward flag
};

// The names of the stars whose rule matches, joined by single blanks, in file order.
std::string SpiritStarsOf(RuleFile file, const std::vector<std::string>& lines, const StarQuery& query);

// The stars of one pillar of the chart (0 year, 1 month, 2 day, 3 hour) from the seven files
// in `folder`, the seven results joined by one blank and trimmed.
std::string SpiritStarRow(const FourPillars& chart, int pillar, const std::filesystem::path& folder);

}  // namespace varnel
