#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/four_pillars.hpp"

namespace varnel::cli {

// A JSON string literal of UTF-8 text.
std::string JsonString(std::string_view text);

// The fields of a chart record, in the order `chart` prints them.
std::vector<std::pair<std::string, std::string>> ChartFields(const FourPillars& chart);

// The chart record as a JSON object: every field as text, and "pillars" with the four pillars.
std::string ChartJson(const FourPillars& chart);

}  // namespace varnel::cli
