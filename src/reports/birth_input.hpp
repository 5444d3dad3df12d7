#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/lunar.hpp"
#include "reports/report_sink.hpp"

namespace varnel {

// Items of the input panel's lists.
inline constexpr std::array<std::string_view, 2> SexItems = {"男", "女"};
inline constexpr std::array<std::string_view, 4> BloodTypeItems = {"A型", "B型", "O型", "AB型"};
inline constexpr std::array<std::string_view, 2> CalendarItems = {"生日公历", "生日农历"};
inline constexpr std::array<std::string_view, 24> HourItems = {
    "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",
    "辰 8",  "巳 9",  "巳 10", "午 11", "午 12", "未 13", "未 14", "申 15",
    "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};
inline constexpr int kFirstPanelYear = 1900;
inline constexpr int kLastPanelYear = 2100;

// The list items "1900" … "2100", "1" … "12", "1" … "31" and "0" … "59".
std::vector<std::string> YearItems();
std::vector<std::string> MonthItems();
std::vector<std::string> DayItems();
std::vector<std::string> MinuteItems();

// The values of the input panel as its controls hold them (texts, possibly typed).
struct BirthPanel {
    std::string surname;            // NameA
    std::string givenName;          // NameB
    std::string sex = "男";         // Sex
    std::string bloodType = "A型";  // Xuxing
    int calendarIndex = 0;          // ComDate: 0 Gregorian, 1 lunar, -1 a typed text
    std::string year = "1980";      // SYear
    std::string month = "1";        // SMonth
    std::string day = "1";          // Sday
    std::string hour = "子 0";      // Shour
    std::string minute = "0";       // Fengzhong
    // Opt-in choices for the Four Pillars chart; off, every reading is the traditional one.
    std::string birthplace;         // Birthplace: a place of the place table
    bool trueSolarTime = false;     // 真太阳时: chart the local true solar time of the birthplace
    bool lateZiNextDay = false;     // 晚子时换日
};

// The last accepted panel values and what is derived from them.
struct BirthInput {
    std::string surname;
    std::string givenName;
    std::string bloodType;
    std::string yearText;
    std::string monthText;
    std::string dayText;
    std::string hourItem;
    std::string solarDateText;
    LunarDate lunarDate;
    std::string lunarDateText;
    std::string animal;
    std::string starSign;
    int hourNumber = 0;
};

// The first two checks of the acceptance: surname and given name, each stored as it passes.
bool AcceptNames(const BirthPanel& panel, BirthInput& input, Notifier& notifier);

// The notices for an hour outside 0-23 (the empty hour's own) and for a minute that is not
// 0-59; the reports that use the minute check it when they reach it.
inline constexpr std::string_view kHourNotice = "请选择出生小时!";
inline constexpr std::string_view kMinuteNotice = "请选择出生分钟(0至59)!";

// Reads and checks the panel and fills `input`, each field as soon as its own check passes.
// Returns false after a notice when a check fails; a date or number that cannot be read
// throws ConversionError.
bool AcceptBirthInput(const BirthPanel& panel, bool requireBloodType, BirthInput& input,
                      Notifier& notifier);

// The clock hour of an hour item: GBK bytes 4 and 5, trimmed ("子 23" gives 23).
int ClockHourOfItem(std::string_view item);

int CurrentAge(const BirthInput& input, int currentYear);
std::string BirthSummaryLine(const BirthInput& input, int currentYear);

// Stem and branch of lunar year `year`, for example 庚申.
std::string YearPillarText(int year);
// The age in `year` counted from the lunar birth year: 00岁 … 09岁, then 10岁 …
std::string AgeLabel(const BirthInput& input, int year);

}  // namespace varnel
