#include "names/name_suggestion.hpp"

#include <algorithm>

#include "names/grids.hpp"
#include "names/three_talents.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"
#include "store/unscramble.hpp"
#include "text/gbk.hpp"

namespace varnel {

namespace {

bool IsGood(int n) { return std::find(GoodNumbers.begin(), GoodNumbers.end(), n) != GoodNumbers.end(); }

// The commentary of a grid number, or "无结果,请听下回分解".
std::string NumberCommentary(int n) {
    const std::string sql = "Select content from namefx where num = " + SqlText(std::to_string(n));
    const auto row = CancelOnFailure([&] { return QueryFirstRow(BrennFilePath(), sql); });
    return row ? Unscramble(row->Trimmed(0)) : std::string(kNoResult);
}

}  // namespace

std::vector<std::pair<int, int>> TalentPairs(int heaven) {
    const std::string_view element = NumberElement(heaven);
    const auto titles = QueryRows(BrennFilePath(), "Select title from sancai where djc = 1 and substr(title,1,1) = " +
                                                       SqlText(element));
    std::vector<std::pair<int, int>> pairs;
    for (const Row& row : titles) {
        const std::string tail = GbkCopy(row.Trimmed(0), 3, 4);
        for (const int p : PairNumbers) {
            for (const int q : PairNumbers) {
                if (std::string(NumberElement(p)) + std::string(NumberElement(q)) == tail) pairs.emplace_back(p, q);
            }
        }
    }
    return pairs;
}

std::vector<StrokeSuggestion> StrokeSuggestions(int length, std::string_view surname) {
    const std::size_t bytes = GbkLength(surname);
    if (bytes < 2) return {};
    const bool doubleSurname = bytes > 2;
    const int s = doubleSurname ? 0 : StrokeCount(surname);
    const int s1 = doubleSurname ? StrokeCount(GbkCopy(surname, 1, 2)) : 0;
    const int s2 = doubleSurname ? StrokeCount(GbkCopy(surname, 3, bytes)) : 0;
    const int heaven = doubleSurname ? s1 + s2 : s + 1;

    std::vector<StrokeSuggestion> suggestions;
    for (const auto& [p, q] : TalentPairs(heaven)) {
        if (doubleSurname && length == 2) {
            const int g1 = p - s2;
            const int g2 = q - g1;
            if (IsGood(heaven + q) && IsGood(heaven + q + 1 - p) && g1 > 0 && g2 > 0) suggestions.push_back({g1, g2});
        } else if (doubleSurname) {
            const int g1 = p - s2;
            if (IsGood(p + heaven - s2) && p - s2 + 1 == q && g1 > 0) suggestions.push_back({g1, 0});
        } else if (length == 2) {
            const int g1 = p - s;
            const int g2 = q - g1;
            if (IsGood(q + s) && IsGood(q + s + 1 - p) && g1 > 0 && g2 > 0) suggestions.push_back({g1, g2});
        } else {
            const int g1 = p - s;
            if (IsGood(q) && g1 > 0 && g1 + 1 == q) suggestions.push_back({g1, 0});
        }
    }
    return suggestions;
}

std::string SuggestionLabel(const StrokeSuggestion& suggestion, bool twoCharacters, bool onOpening) {
    std::string label = (onOpening ? "第一字:" : "名1字:") + std::to_string(suggestion.g1) + "画";
    if (twoCharacters) label += (onOpening ? " 第二字:" : " 名2字:") + std::to_string(suggestion.g2) + "画";
    return label;
}

std::string CharactersWithStrokes(int strokes) {
    const std::string sql = "select hanzi from bihua where num = '" + std::to_string(strokes) + "'";
    const auto row = CancelOnFailure([&] { return QueryFirstRow(BrennFilePath(), sql); });
    return row ? row->Trimmed(0) : std::string();
}

std::vector<std::string> TrialNameLines(std::string_view surname, std::string_view givenName) {
    const int heaven = GridNumber(surname, givenName, GridKind::HeavenGrid);
    const int earth = GridNumber(surname, givenName, GridKind::EarthGrid);
    const int person = GridNumber(surname, givenName, GridKind::PersonGrid);
    const int total = GridNumber(surname, givenName, GridKind::TotalGrid);
    const int outer = GridNumber(surname, givenName, GridKind::OuterGrid);
    const std::string title = ThreeTalentsTitle(heaven, person, earth);
    const std::string commentary = ThreeTalentsText(title);
    const std::string name(std::string(surname) + std::string(givenName));

    std::vector<std::string> lines = {name + ",您的三才为" + title, "", "", "    " + commentary, "",
                                      "天格: " + std::to_string(heaven), "地格: " + std::to_string(earth),
                                      "人格: " + std::to_string(person), "总格: " + std::to_string(total),
                                      "外格: " + std::to_string(outer), "", "", NumberCommentary(total), "", "补充:"};
    const std::pair<const char*, int> grids[] = {{"天格", heaven}, {"地格", earth}, {"人格", person}, {"外格", outer}};
    for (std::size_t i = 0; i < std::size(grids); ++i) {
        lines.push_back(std::string(grids[i].first) + std::to_string(grids[i].second) + "分析:");
        lines.push_back("    " + NumberCommentary(grids[i].second));
        if (i + 1 < std::size(grids)) lines.push_back("");
    }
    return lines;
}

}  // namespace varnel
