#pragma once

#include <array>
#include <string>
#include <string_view>

namespace varnel {

// "吉", "半吉" or "凶" for 1 … 81; the empty text for any other number.
std::string_view LuckClass(int n);

// Columns of the table 81 that NumberReading reads.
enum class NumberColumn { Verse = 0, LuckWord = 1, Implication = 2, Reading = 3 };

// One column of the row of table 81 for n, untrimmed; a single blank when there is no row,
// the empty text for an unknown column. A table that cannot be read cancels the command.
std::string NumberReading(int n, int column);
std::string NumberReading(int n, NumberColumn column);

// The 81 rows "verse|luck word|personality reading", keys 0 … 80.
extern const std::array<std::string_view, 81> EightyOneVerses;

// The row of the number the digits spell, by its remainder modulo 81; the refusal text for a
// negative number or for text that is not a decimal integer.
std::string_view VerseOfNumber(std::string_view digits);
inline constexpr std::string_view kNumberRefusal = "对不起,此号不在分解之类。";

}  // namespace varnel
