#include "cli/json.hpp"

#include <cstdio>

namespace varnel::cli {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::vector<std::pair<std::string, std::string>> ChartFields(const FourPillars& c) {
    return {
        {"year", std::to_string(c.year)},
        {"month", std::to_string(c.month)},
        {"day", std::to_string(c.day)},
        {"hour", std::to_string(c.hour)},
        {"minute", std::to_string(c.minute)},
        {"sexIsMale", c.sexIsMale ? "1" : "0"},
        {"beforeTerm", std::to_string(c.beforeTerm)},
        {"yearStem", std::to_string(c.yearStem)},
        {"yearBranch", std::to_string(c.yearBranch)},
        {"monthStem", std::to_string(c.monthStem)},
        {"monthBranch", std::to_string(c.monthBranch)},
        {"dayStem", std::to_string(c.dayStem)},
        {"dayBranch", std::to_string(c.dayBranch)},
        {"hourStem", std::to_string(c.hourStem)},
        {"hourBranch", std::to_string(c.hourBranch)},
        {"pillars", c.yearStemName + c.yearBranchName + " " + c.monthStemName + c.monthBranchName + " " +
                        c.dayStemName + c.dayBranchName + " " + c.hourStemName + c.hourBranchName},
        {"backward", std::to_string(c.backward)},
        {"startAge", c.startAgeText},
        {"luckPillars", c.luckPillars},
        {"conceptionPillar", c.conceptionPillar},
        {"yearHiddenStems", c.yearHiddenStems},
        {"monthHiddenStems", c.monthHiddenStems},
        {"dayHiddenStems", c.dayHiddenStems},
        {"hourHiddenStems", c.hourHiddenStems},
        {"luckNayin", c.luckNayin},
        {"luckTenGods", c.luckTenGods},
        {"personalityText", c.personalityText},
    };
}

std::string ChartJson(const FourPillars& c) {
    std::string out = "{";
    for (const auto& [name, value] : ChartFields(c)) {
        if (name == "pillars") {
            out += "\"pillars\":{\"year\":" + JsonString(c.yearStemName + c.yearBranchName) +
                   ",\"month\":" + JsonString(c.monthStemName + c.monthBranchName) +
                   ",\"day\":" + JsonString(c.dayStemName + c.dayBranchName) +
                   ",\"hour\":" + JsonString(c.hourStemName + c.hourBranchName) + "},";
            continue;
        }
        out += JsonString(name) + ":" + JsonString(value) + ",";
    }
    out.back() = '}';
    return out;
}

}  // namespace varnel::cli
