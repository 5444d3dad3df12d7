#pragma once

#include <string>
#include <string_view>

namespace varnel {

// The letter string of a text: Chinese characters by the initial of their pinyin reading,
// letters and digits in upper case, circled and bracketed numerals as their digits, Greek
// letters as Latin ones; "?" for a character without a reading; other symbols skipped.
std::string PinyinLetters(std::string_view utf8);

// The trait of a nickname by the last letter of its letter string (digits read 1 → A … 0 → J);
// the empty text when there is none.
std::string_view NetNameTrait(std::string_view name);

}  // namespace varnel
