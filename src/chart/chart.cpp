#include "chart/chart.hpp"

#include <algorithm>
#include <string>

#include "calendar/lunar.hpp"
#include "calendar/sexagenary.hpp"
#include "chart/attributes.hpp"
#include "chart/birth_readings.hpp"
#include "store/failure.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "text/trim.hpp"

namespace varnel {

namespace {

int Mod(int a, int n) { return ((a % n) + n) % n; }

// Month branch (chart numbering) by 100 × month + day, the fixed days of the calendar.
struct MonthDayRange {
    int from;
    int to;
    int branch;
};
constexpr std::array<MonthDayRange, 13> kFixedMonthDays = {{
    {101, 105, 1}, {106, 203, 2}, {204, 305, 3}, {306, 404, 4}, {405, 504, 5}, {505, 605, 6},
    {606, 706, 7}, {707, 807, 8}, {808, 907, 9}, {908, 1007, 10}, {1008, 1106, 11},
    {1107, 1207, 0}, {1208, 1231, 1},
}};

int FixedMonthBranch(int md) {
    for (const auto& range : kFixedMonthDays) {
        if (range.from <= md && md <= range.to) return range.branch;
    }
    // MD 100 (a birth on 1 January before 小寒's moment) still belongs to the 子 month.
    return 1;
}

// Chart branch number opened by each month-opening term, in the order of MonthOpeningTerms.
constexpr std::array<int, 12> kTermMonthBranch = {3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2};

bool IsImpossibleDay(int year, int month, int day) {
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30) return true;
    if (month == 2) return day > (IsGregorianLeapYear(year) ? 29 : 28);
    return false;
}

std::string OpeningTermList() {
    std::string list;
    for (const auto name : MonthOpeningTerms) {
        list += list.empty() ? "'" : ",'";
        list += name;
        list += "'";
    }
    return list;
}

}  // namespace

bool IsMonthOpeningTerm(std::string_view name) {
    const std::string_view trimmed = TrimView(name);
    return std::find(MonthOpeningTerms.begin(), MonthOpeningTerms.end(), trimmed) !=
           MonthOpeningTerms.end();
}

int DaysToMonthOpeningTerm(DateTime birthDate, bool backward) {
    int j = 1;
    for (; j <= 32; ++j) {
        if (IsMonthOpeningTerm(SolarTermOfDate(backward ? birthDate - j : birthDate + j))) break;
    }
    return j;
}

int StartAgeFromDays(int j) {
    int age = j / 3 + (j % 3 != 0 ? 1 : 0);
    if (age == 0) age = 10;
    if (age != 10) age %= 10;
    return age;
}

TermPosition LocateInTerms(DateTime moment) {
    const DateTime date = DatePart(moment);
    // Successive month-opening terms are at most 32 days apart: 40 days back always holds one.
    const std::string sql = "select JQ, SJ from JQ where JQ in (" + OpeningTermList() +
                            ") and SJ >= '" + FormatDate(date - 40) + "' and SJ < '" +
                            FormatDate(date + 1) + "' order by SJ";
    const auto rows = SwallowFailure([&] { return QueryRows(TgcodePath(), sql); });

    const std::string birth = FormatDateTime(moment);
    const std::string birthDay = birth.substr(0, 10);
    TermPosition position;
    for (const Row& row : rows) {
        const std::string term = row.Trimmed(0);
        const std::string when = row.Trimmed(1);
        if (when > birth) {
            if (when.compare(0, 10, birthDay) == 0) position.beforeTerm = -1;
            continue;
        }
        const auto index = static_cast<std::size_t>(
            std::find(MonthOpeningTerms.begin(), MonthOpeningTerms.end(), term) -
            MonthOpeningTerms.begin());
        if (index >= MonthOpeningTerms.size() || when.size() < 4) continue;
        position.known = true;
        position.monthBranch = kTermMonthBranch[index];
        // 小寒 opens the last month of the year that began with the previous 立春.
        const int termYear = std::stoi(when.substr(0, 4));
        position.pillarYear = term == "小寒" ? termYear - 1 : termYear;
    }
    return position;
}

std::string LuckPillarText(const FourPillars& chart, int k) {
    const int step = chart.backward == 1 ? -k : k;
    return std::string(StemByNumber[static_cast<std::size_t>(Mod(chart.monthStem + step, 10))]) +
           std::string(BranchByNumber[static_cast<std::size_t>(Mod(chart.monthBranch + step, 12))]);
}

bool ComputeChart(int year, int month, int day, int hour, int minute, std::string_view sex,
                  FourPillars& chart, Notifier& notifier, ChartOptions options) {
    if (IsImpossibleDay(year, month, day)) {
        notifier.ShowNotice("请检查输入数据是否出错！");
        return false;
    }
    if (!IsValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        throw CommandCancelled();
    }
    const DateTime birthDate = EncodeDate(year, month, day);
    const DateTime moment = EncodeDateTime(year, month, day, hour, minute);

    FourPillars c;
    c.year = year;
    c.month = month;
    c.day = day;
    c.hour = hour;
    c.minute = minute;

    // Month and year: from the moments of the month-opening terms; the fixed days of the
    // calendar when the term table cannot tell.
    const TermPosition terms = LocateInTerms(moment);
    c.beforeTerm = terms.beforeTerm;
    int pillarYear = year;
    if (terms.known) {
        c.monthBranch = terms.monthBranch;
        pillarYear = terms.pillarYear;
    } else {
        const int md = 100 * month + day + c.beforeTerm;
        c.monthBranch = FixedMonthBranch(md);
        if (md < 204) pillarYear = year - 1;
    }
    c.yearStem = Mod(pillarYear - 3, 10);
    c.yearBranch = Mod(pillarYear - 3, 12);
    c.monthStem = c.monthBranch >= 3 && c.monthBranch <= 11
                      ? (2 * c.yearStem + c.monthBranch + 8) % 10
                      : (2 * c.yearStem + c.monthBranch) % 10;

    // Day: counted from the Gregorian calendar; agrees with 1900-02-20 being 甲子.
    const int p = year - 1;
    const int b = 5 * p + p / 4 - p / 100 + p / 400;
    const int dayOfYear = static_cast<int>(birthDate - EncodeDate(year, 1, 1)) + 1;
    const int nextDay = options.lateZiNextDay && hour == 23 ? 1 : 0;
    const int cycle = Mod(b + dayOfYear + 6015 + nextDay, 60);
    c.dayStem = cycle % 10;
    c.dayBranch = cycle % 12;

    // Hour: 23 and 0 are both 子 of the same day (of the next day with the late-子 option).
    c.hourBranch = ((hour + 3) / 2) % 12;
    c.hourStem = c.hourBranch != 0 ? (2 * c.dayStem + c.hourBranch + 8) % 10 : (2 * c.dayStem) % 10;

    auto stem = [](int n) { return std::string(StemByNumber[static_cast<std::size_t>(n)]); };
    auto branch = [](int n) { return std::string(BranchByNumber[static_cast<std::size_t>(n)]); };
    c.yearStemName = stem(c.yearStem);
    c.yearBranchName = branch(c.yearBranch);
    c.monthStemName = stem(c.monthStem);
    c.monthBranchName = branch(c.monthBranch);
    c.dayStemName = stem(c.dayStem);
    c.dayBranchName = branch(c.dayBranch);
    c.hourStemName = stem(c.hourStem);
    c.hourBranchName = branch(c.hourBranch);

    c.conceptionPillar = stem((c.monthStem + 1) % 10) + branch((c.monthBranch + 3) % 12) + " ";

    c.sexIsMale = sex == "男";
    const bool yinYear = !IsYangStem(Mod(c.yearStem - 1, 10));
    c.backward = c.sexIsMale == yinYear ? 1 : 0;

    c.startAge = StartAgeFromDays(DaysToMonthOpeningTerm(birthDate, c.backward == 1));
    c.startAgeText = std::to_string(c.startAge);

    for (int k = 0; k < 10; ++k) c.luckPillars += (k > 0 ? "   " : "") + LuckPillarText(c, k);

    AddChartAttributes(c, birthDate);
    c.personalityText = BirthdayPersonalityText(month, day);
    chart = std::move(c);
    return true;
}

}  // namespace varnel
