#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnel {

// Person and earth numbers the suggestions are drawn from.
inline constexpr std::array<int, 18> PairNumbers = {1, 3, 5, 6, 7, 11, 13, 15, 16, 21, 23, 24, 29, 31, 32, 33, 35, 37};
// The numbers a suggestion's total and outer grids must belong to.
inline constexpr std::array<int, 30> GoodNumbers = {1,  3,  5,  6,  7,  11, 13, 15, 16, 21, 23, 24, 29, 31, 32,
                                                    33, 35, 37, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};

// (person number, earth number) pairs that make a title of grade 1 with the heaven number,
// in the order found. A failing lookup throws StoreError (it is shown, not silenced).
std::vector<std::pair<int, int>> TalentPairs(int heaven);

// Stroke counts of a one-character (g2 = 0) or two-character given name.
struct StrokeSuggestion {
    int g1 = 0;
    int g2 = 0;
    friend bool operator==(const StrokeSuggestion&, const StrokeSuggestion&) = default;
};

// Every qualifying suggestion for a given name of `length` characters (1 or 2).
std::vector<StrokeSuggestion> StrokeSuggestions(int length, std::string_view surname);

// The combination list's item: "第一字:6画 第二字:10画" when the window opens, "名1字:6画 名2字:10画"
// after a length is chosen.
std::string SuggestionLabel(const StrokeSuggestion& suggestion, bool twoCharacters, bool onOpening);

// All characters of a stroke count, run together; empty when the table has none.
std::string CharactersWithStrokes(int strokes);

// The lines 确认测算 writes for a trial name.
std::vector<std::string> TrialNameLines(std::string_view surname, std::string_view givenName);

}  // namespace varnel
