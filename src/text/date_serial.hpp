#pragma once

#include <string>
#include <string_view>

namespace varnel {

// Dates and moments are serial day numbers: the integer part counts days from 1899-12-30
// (day 0), the fraction is the time of day.
using DateTime = double;

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

bool IsGregorianLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Serial number of a valid Gregorian date at midnight; the caller checks validity first.
DateTime EncodeDate(int year, int month, int day);
DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second = 0,
                        int millisecond = 0);

CivilDate DecodeDate(DateTime value);
ClockTime DecodeTime(DateTime value);

// The date part: whole days, the time of day dropped.
DateTime DatePart(DateTime value);

// "yyyy-MM-dd" and "yyyy-MM-dd HH:mm:ss".
std::string FormatDate(DateTime value);
std::string FormatDateTime(DateTime value);

// Reads a date typed as year, month and day joined by "-", with or without leading zeros
// ("1980-1-5", "1980-01-05"). Anything else throws ConversionError("'<text>' is not a valid date").
DateTime ParseDateText(std::string_view text);

// Today's local date and its year, from the system clock.
DateTime Today();
int CurrentYear();

}  // namespace varnel
