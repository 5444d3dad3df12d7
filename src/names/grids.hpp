#pragma once

#include <string>
#include <string_view>

namespace varnel {

// The five grids (五格) of a name; the values index the name report's score table.
enum class GridKind { HeavenGrid = 0, EarthGrid = 1, PersonGrid = 2, TotalGrid = 3, OuterGrid = 4 };

// Strokes of a one-character fragment from the stroke table (0 when no row holds it). A table
// that cannot be read cancels the command.
int StrokeCount(std::string_view fragment);

// The grid number of a name; a kind outside the five gives 0. Name parts are at most two
// characters: a part of 2 GBK bytes or less is single.
int GridNumber(std::string_view surname, std::string_view givenName, int kind);
int GridNumber(std::string_view surname, std::string_view givenName, GridKind kind);

// 木 for a last digit of 1 or 2, 火 3 4, 土 5 6, 金 7 8, 水 9 0; the empty text for n < 0.
std::string_view NumberElement(int n);

// The elements of the heaven, person and earth numbers, in that order, for example 木火土.
std::string ThreeTalentsTitle(int heaven, int person, int earth);

}  // namespace varnel
