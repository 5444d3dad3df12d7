#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/date_serial.hpp"

namespace varnel {

struct LunarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool isLeap = false;
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The all-zero value: there is no lunar date.
inline constexpr LunarDate kNoLunarDate{};

// 1900-01-31 (lunar new year 1900) and 2101-01-01, the range SolarToLunar covers.
inline constexpr DateTime kFirstLunarSerial = 32;
inline constexpr DateTime kEndLunarSerial = 73416;

int LunarMonthDays(int year, int month);
int LeapMonthOf(int year);
int LeapMonthDays(int year);
int LunarYearDays(int year);

LunarDate SolarToLunar(DateTime value);
bool IsValidLunarDate(const LunarDate& date);
// Midnight of the Gregorian date; 0001-01-01 for an invalid lunar date.
DateTime LunarToSolar(const LunarDate& date);
DateTime InvalidSolarDate();

// Offsets in minutes of the 24 terms within the tropical year, from 小寒.
inline constexpr std::array<int, 24> SolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
    173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
    353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};
inline constexpr std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Approximate moment of term n (0–23) in Gregorian year `year` by the mean tropical year.
DateTime SolarTermMoment(int year, int n);
// The name of the term that falls on the whole date `value`, or the empty text.
std::string_view SolarTermOfDate(DateTime value);

// 甲子(鼠年) for n = 0; callers pass lunar year − 1864.
std::string CycleYearText(int n);
std::string LunarMonthText(int month, bool isLeap);
std::string LunarDayText(int day);

// CycleYearText + LunarMonthText + LunarDayText, for example 庚申(猴年)八月初三.
std::string LunarDateText(const LunarDate& date);

}  // namespace varnel
