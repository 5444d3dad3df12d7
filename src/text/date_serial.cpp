#include "text/date_serial.hpp"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "text/conversion_error.hpp"
#include "text/trim.hpp"

namespace varnel {

namespace {

constexpr long long kMsPerDay = 86'400'000;
// Days from 1970-01-01 to 1899-12-30.
constexpr long long kSerialEpochOffset = -25'569;

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146'097 + static_cast<long long>(doe) - 719'468;
}

CivilDate CivilFromDays(long long z) {
    z += 719'468;
    const long long era = (z >= 0 ? z : z - 146'096) / 146'097;
    const auto doe = static_cast<unsigned>(z - era * 146'097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// Whole days and milliseconds of the day; the date part truncates toward zero and the time
// is the absolute fraction, as serial numbers before 1899-12-30 are read.
void Split(DateTime value, long long& days, long long& ms) {
    days = static_cast<long long>(std::trunc(value));
    ms = std::llround(std::fabs(value - static_cast<double>(days)) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        days += value < 0 ? -1 : 1;
    }
}

bool ReadNumber(std::string_view& s, std::size_t min_digits, std::size_t max_digits, int& out) {
    std::size_t n = 0;
    int value = 0;
    while (n < s.size() && s[n] >= '0' && s[n] <= '9') {
        value = value * 10 + (s[n] - '0');
        if (++n > max_digits) return false;
    }
    if (n < min_digits) return false;
    s.remove_prefix(n);
    out = value;
    return true;
}

bool ReadDash(std::string_view& s) {
    if (s.empty() || s.front() != '-') return false;
    s.remove_prefix(1);
    return true;
}

}  // namespace

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsGregorianLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

DateTime EncodeDate(int year, int month, int day) {
    return static_cast<DateTime>(DaysFromCivil(year, static_cast<unsigned>(month),
                                               static_cast<unsigned>(day)) -
                                 kSerialEpochOffset);
}

DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond) {
    const double time =
        ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + static_cast<double>(millisecond);
    const DateTime date = EncodeDate(year, month, day);
    return date >= 0 ? date + time / kMsPerDay : date - time / kMsPerDay;
}

CivilDate DecodeDate(DateTime value) {
    long long days = 0, ms = 0;
    Split(value, days, ms);
    return CivilFromDays(days + kSerialEpochOffset);
}

ClockTime DecodeTime(DateTime value) {
    long long days = 0, ms = 0;
    Split(value, days, ms);
    ClockTime t;
    t.millisecond = static_cast<int>(ms % 1000);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.minute = static_cast<int>(ms / 60'000 % 60);
    t.hour = static_cast<int>(ms / 3'600'000);
    return t;
}

DateTime DatePart(DateTime value) { return std::trunc(value); }

std::string FormatDate(DateTime value) {
    const CivilDate d = DecodeDate(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buffer;
}

std::string FormatDateTime(DateTime value) {
    const ClockTime t = DecodeTime(value);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " %02d:%02d:%02d", t.hour, t.minute, t.second);
    return FormatDate(value) + buffer;
}

DateTime ParseDateText(std::string_view text) {
    std::string_view s = TrimView(text);
    int year = 0, month = 0, day = 0;
    const bool read = ReadNumber(s, 4, 4, year) && ReadDash(s) && ReadNumber(s, 1, 2, month) &&
                      ReadDash(s) && ReadNumber(s, 1, 2, day) && s.empty();
    if (!read || !IsValidDate(year, month, day)) {
        throw ConversionError("'" + std::string(text) + "' is not a valid date");
    }
    return EncodeDate(year, month, day);
}

DateTime Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int CurrentYear() { return DecodeDate(Today()).year; }

}  // namespace varnel
