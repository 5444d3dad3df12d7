#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The seven omen readings of the 民俗 menu: 0 打喷嚏, 1 面热, 2 心惊, 3 犬吠, 4 眼跳 (left and
// right), 5 耳热, 6 耳鸣 (left and right).
inline constexpr int kOmenPages = 7;

// The window caption of a page, e.g. "眼跳测吉凶".
std::string_view OmenCaption(int page);

// The note on the double hours shown above every page.
const std::array<std::string_view, 4>& DoubleHourNote();

// The text of a page: its lines with an empty line between consecutive ones.
std::vector<std::string> OmenPageLines(int page);

}  // namespace varnel
