#include "calendar/lunar.hpp"

#include <bit>
#include <cmath>

#include "calendar/lunar_table.hpp"
#include "calendar/sexagenary.hpp"

namespace varnel {

namespace {

constexpr std::array<std::string_view, 10> kNumerals = {"一", "二", "三", "四", "五",
                                                        "六", "七", "八", "九", "十"};

// The table word of a lunar year; years outside the table read as an empty word.
unsigned YearWord(int year) {
    if (year < kFirstLunarTableYear || year > kLastLunarTableYear) return 0;
    return LunarYearInfo[static_cast<std::size_t>(year - kFirstLunarTableYear)];
}

// Lunar new year 2000 fell on 2000-02-05.
const DateTime kNewYear2000 = EncodeDate(2000, 2, 5);

constexpr long long kMsPerDay = 86'400'000;

}  // namespace

int LunarMonthDays(int year, int month) {
    const unsigned mask = month <= 1 ? 0x8000u : (month > 16 ? 0u : 0x8000u >> (month - 1));
    return (YearWord(year) & mask) != 0 ? 30 : 29;
}

int LeapMonthOf(int year) {
    const int leap = static_cast<int>(YearWord(year) & 0xF);
    return leap == 15 ? 0 : leap;
}

int LeapMonthDays(int year) {
    if (LeapMonthOf(year) == 0) return 0;
    return (YearWord(year + 1) & 0xF) == 15 ? 30 : 29;
}

int LunarYearDays(int year) {
    return 348 + std::popcount(YearWord(year) & 0xFFF0u) + LeapMonthDays(year);
}

LunarDate SolarToLunar(DateTime value) {
    if (value < kFirstLunarSerial || value >= kEndLunarSerial) return kNoLunarDate;
    int offset = static_cast<int>(std::trunc(value) - kFirstLunarSerial);

    int year = kFirstLunarTableYear;
    int last_year_days = 0;
    while (offset > 0) {
        last_year_days = LunarYearDays(year);
        offset -= last_year_days;
        ++year;
    }
    if (offset < 0) {
        offset += last_year_days;
        --year;
    }

    const int leap = LeapMonthOf(year);
    bool is_leap = false;
    int month = 0;
    int last_month_days = 0;
    while (offset >= 0) {
        ++month;
        last_month_days = LunarMonthDays(year, month);
        offset -= last_month_days;
        if (offset >= 0 && month == leap) {
            last_month_days = LeapMonthDays(year);
            offset -= last_month_days;
            if (offset < 0) is_leap = true;
        }
    }
    offset += last_month_days;
    return {year, month, offset + 1, is_leap};
}

bool IsValidLunarDate(const LunarDate& d) {
    // Month 0 and day 0 pass, as they always have (month 0 reads as month 1, day 0 is the day
    // before day 1); negative numbers would shift bits by a negative count and overflow.
    if (d.year > 2099 || d.year < 1901 || d.month < 0 || d.month > 12 || d.day < 0 || d.day > 30) return false;
    if (d.isLeap) return d.month == LeapMonthOf(d.year) && LeapMonthDays(d.year) >= d.day;
    return LunarMonthDays(d.year, d.month) >= d.day;
}

DateTime InvalidSolarDate() { return EncodeDate(1, 1, 1); }

DateTime LunarToSolar(const LunarDate& d) {
    if (!IsValidLunarDate(d)) return InvalidSolarDate();
    const int leap = LeapMonthOf(d.year);
    long long days = 0;
    for (int i = 1; i < d.month; ++i) {
        days += LunarMonthDays(d.year, i);
        if (i == leap) days += LeapMonthDays(d.year);
    }
    days += d.day - 1;
    if (d.isLeap && d.month == leap) days += LunarMonthDays(d.year, d.month);

    if (d.year <= 2000) {
        for (int y = d.year; y < 2000; ++y) days -= LunarYearDays(y);
    } else {
        for (int y = 2000; y < d.year; ++y) days += LunarYearDays(y);
    }
    return kNewYear2000 + static_cast<double>(days);
}

DateTime SolarTermMoment(int year, int n) {
    // 1900-01-06 02:05:00 plus whole milliseconds, added in integer arithmetic.
    const long long base_ms =
        static_cast<long long>(EncodeDate(1900, 1, 6)) * kMsPerDay + (2 * 60 + 5) * 60'000LL;
    const long long offset_ms = std::llround((year - 1900) * 31556925974.7 +
                                             SolarTermMinutes.at(static_cast<std::size_t>(n)) *
                                                 60000.0);
    const long long total = base_ms + offset_ms;
    long long days = total / kMsPerDay;
    long long ms = total % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    return static_cast<double>(days) + static_cast<double>(ms) / kMsPerDay;
}

std::string_view SolarTermOfDate(DateTime value) {
    const CivilDate date = DecodeDate(value);
    const int first = 2 * date.month - 2;
    for (const int n : {first, first + 1}) {
        if (value == std::floor(SolarTermMoment(date.year, n))) {
            return SolarTermNames[static_cast<std::size_t>(n)];
        }
    }
    return {};
}

std::string CycleYearText(int n) {
    const auto stem = static_cast<std::size_t>(((n % 10) + 10) % 10);
    const auto branch = static_cast<std::size_t>(((n % 12) + 12) % 12);
    std::string text(StemNames[stem]);
    text += BranchNames[branch];
    text += "(";
    text += AnimalNames[branch];
    text += "年)";
    return text;
}

std::string LunarMonthText(int month, bool isLeap) {
    std::string text = isLeap ? "闰" : "";
    if (month >= 1 && month <= 10) {
        text += kNumerals[static_cast<std::size_t>(month - 1)];
    } else if (month == 11 || month == 12) {
        text += "十";
        text += kNumerals[static_cast<std::size_t>(month - 11)];
    }
    return text + "月";
}

std::string LunarDayText(int day) {
    auto numeral = [](int k) { return std::string(kNumerals[static_cast<std::size_t>(k - 1)]); };
    if (day >= 1 && day <= 10) return "初" + numeral(day);
    if (day >= 11 && day <= 19) return "十" + numeral(day - 10);
    if (day == 20) return "二十";
    if (day >= 21 && day <= 29) return "廿" + numeral(day - 20);
    if (day == 30) return "三十";
    return {};
}

std::string LunarDateText(const LunarDate& date) {
    return CycleYearText(date.year - 1864) + LunarMonthText(date.month, date.isLeap) +
           LunarDayText(date.day);
}

}  // namespace varnel
