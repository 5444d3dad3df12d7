#pragma once

#include <string>
#include <string_view>

#include "chart/chart.hpp"
#include "chart/four_pillars.hpp"
#include "reports/report_sink.hpp"

namespace varnel {

enum class BoneWeightPart { Weight = 0, Verse = 1, Explanation = 2 };

// Bone weighing (称骨): the weights of the lunar year, month and day and of the birth hour
// are added and the total picks a verse. A table that cannot be read cancels the command.
std::string BoneWeightReading(std::string_view yearKey, std::string_view monthKey,
                              std::string_view dayKey, std::string_view hourKey, int mode);

// The weight key of a total: "42" for 4.2, "50" for 5.
std::string BoneWeightKey(double total);

// The day-of-month text followed by the calendar-day text of a Gregorian birthday.
std::string BirthdayPersonalityText(int month, int day);

// Computes the chart of the moment into `chart`, then writes the separator, "性格简评：" and
// the personality text into the report.
void WritePersonalityBlock(int year, int month, int day, int hour, int minute, std::string_view sex,
                           FourPillars& chart, ReportSink& report, Notifier& notifier, ChartOptions options = {});

// The love reading of a blood type ("A型", "b型", …); "请听下回分解!" for anything else.
std::string_view BloodTypeReading(std::string_view bloodType);

}  // namespace varnel
