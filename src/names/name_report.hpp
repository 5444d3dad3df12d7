#pragma once

#include <string>
#include <string_view>

#include "names/grids.hpp"
#include "reports/birth_input.hpp"
#include "reports/report_sink.hpp"

namespace varnel {

// The score of a grid by the luck class of its number: the full weight of the grid for 吉,
// 85 % for 半吉, 70 % for 凶, 0 for a number outside 1 … 81. Weights: 人格 30, 总格 20, others 10.
double GridScore(int number, GridKind kind);

// Scores as the report writes them: 74, 8.5, 100, -1.
std::string ScoreText(double score);

// The closing texts of the name report, chosen by the overall score.
std::string_view OverallAdvice(double score);
std::string OverallVerdict(double score);

// 姓名分析 / 姓名详批: accepts the panel (without blood type) and writes the name report.
// A failing sancai2009 lookup is not caught: it reaches the dispatcher's error box.
void NameReport(const BirthPanel& panel, BirthInput& input, ReportSink& report, Notifier& notifier,
                int currentYear);

}  // namespace varnel
