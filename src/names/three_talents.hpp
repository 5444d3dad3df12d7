#pragma once

#include <string>
#include <string_view>

#include "reports/birth_input.hpp"
#include "reports/report_sink.hpp"

namespace varnel {

// The name report's score of a three-talents title: 20 for grade 1 down to 12 for grade 7,
// −1 for a title without a usable grade. A table that cannot be read cancels the command.
double ThreeTalentsScore(std::string_view title);

// The restored commentary of a title, or "无结果,请听下回分解" without a row.
std::string ThreeTalentsText(std::string_view title);
inline constexpr std::string_view kNoResult = "无结果,请听下回分解";

// 三才吉凶: the commentary of the name last accepted; nothing when no name has been accepted.
void ThreeTalentsAction(const BirthInput& input, ReportSink& report);

}  // namespace varnel
