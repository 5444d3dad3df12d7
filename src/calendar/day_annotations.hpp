#pragma once

#include <string>
#include <string_view>

#include "text/date_serial.hpp"

namespace varnel {

// The annotations of the perpetual calendar, from its own lunar and solar-term tables for the
// Gregorian years 1901–2050. Outside those years the lunar code is 0 and every lunar text, term
// and lunar festival is empty. Only the date part of a value is used.

int DayOfYear(DateTime date);  // 1 for 1 January

// month × 100 + day, negative for a day of a leap month (−403: day 3 of the leap fourth month);
// 0 outside 1901–2050.
int CalendarLunarCode(DateTime date);

std::string CalendarLunarMonthText(DateTime date);  // 正月 … 腊月, or 闰四 for a leap month
std::string CalendarLunarDayText(DateTime date);    // 初一 … 三十
std::string LunarFestival(DateTime date);           // 春节 元宵节 端午节 七夕节 中秋节 重阳节 腊八节 除夕
// The festival of day `day` of the Gregorian month of `date`.
std::string GregorianFestival(int day, DateTime date);
std::string CalendarSolarTerm(DateTime date);
std::string ZodiacOfDate(DateTime date);  // e.g. 子鼠
// The calendar's star sign of day `day` of the Gregorian month of `date`.
std::string CalendarStarSign(int day, DateTime date);

// What a calendar cell shows under the day number, and what kind of text it is. The lunar day
// gives way to the month name on the first of a lunar month, then to a Gregorian festival, a
// solar term and a lunar festival, each overriding the one before.
enum class AnnotationKind { LunarDay, LunarMonth, GregorianFestival, SolarTerm, LunarFestival };
struct DayAnnotation {
    std::string text;
    AnnotationKind kind = AnnotationKind::LunarDay;
};
DayAnnotation CalendarCellAnnotation(DateTime date);

}  // namespace varnel
