#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/four_pillars.hpp"
#include "reports/report_sink.hpp"
#include "text/date_serial.hpp"

namespace varnel {

// The twelve month-opening terms (节), from 立春.
inline constexpr std::array<std::string_view, 12> MonthOpeningTerms = {
    "立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

bool IsMonthOpeningTerm(std::string_view name);

// Computes the chart of a Gregorian birth moment into `chart`, attributes and personality text
// included. An impossible day of April, June, September, November or February shows
// "请检查输入数据是否出错！" and leaves `chart` as it was (answers false). A moment that cannot
// be built at all (a 32nd day, hour 24) cancels the command.
// Opt-in choices beyond the traditional chart; the defaults keep it unchanged.
struct ChartOptions {
    // 晚子时换日: a birth from 23:00 takes the next day's day pillar (and so the hour stem that
    // goes with it). Off: hour 23 stays on its own day.
    bool lateZiNextDay = false;
};
bool ComputeChart(int year, int month, int day, int hour, int minute, std::string_view sex,
                  FourPillars& chart, Notifier& notifier, ChartOptions options = {});

// The month and year of a chart change at the moment of a month-opening term. What the
// solar-term table says about a birth moment:
struct TermPosition {
    bool known = false;   // a month-opening term at or before the moment was found
    int monthBranch = 0;  // chart numbering, from the last term at or before the moment
    int pillarYear = 0;   // the Gregorian year whose 立春 starts the chart's year
    int beforeTerm = 0;   // −1 when a term on the birth date is still to come
};
// Reads the terms around the moment from the solar-term table; a table that cannot be read
// answers "not known".
TermPosition LocateInTerms(DateTime moment);

// The k-th luck pillar (k = 0 is the month pillar), stepping with the chart's direction.
std::string LuckPillarText(const FourPillars& chart, int k);

// Days j = 1 … 32 from the birth date (forward, or backward) to the first day on which a
// month-opening term falls by the mean-year formula; 33 if none does.
int DaysToMonthOpeningTerm(DateTime birthDate, bool backward);

// The starting age of the luck periods from the distance in days j to the nearest
// month-opening term (three days a year, a part counting whole, 0 read as 10).
int StartAgeFromDays(int j);

}  // namespace varnel
