#include "calendar/day_annotations.hpp"

#include <array>
#include <cmath>
#include <cstdlib>

#include "calendar/calendar_tables.hpp"
#include "calendar/sexagenary.hpp"

namespace varnel {

namespace {

using namespace calendar_tables;

constexpr std::array<std::string_view, 13> kMonthNames = {"", "正", "二", "三", "四", "五", "六",
                                                          "七", "八", "九", "十", "冬", "腊"};
constexpr std::array<std::string_view, 31> kDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
constexpr std::array<std::string_view, 24> kTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

struct SignRange {
    int lastDayOfFirst;  // the first sign runs to this day of the month
    std::string_view first;
    std::string_view second;
};
constexpr std::array<SignRange, 12> kSigns = {{
    {19, "摩羯座", "水瓶座"}, {18, "水瓶座", "双鱼座"}, {20, "双鱼座", "白羊座"}, {19, "白羊座", "金牛座"},
    {20, "金牛座", "双子座"}, {21, "双子座", "巨蟹座"}, {22, "巨蟹座", "狮子座"}, {22, "狮子座", "处女座"},
    {22, "处女座", "天秤座"}, {23, "天秤座", "天蝎座"}, {21, "天蝎座", "射手座"}, {21, "射手座", "摩羯座"},
}};

struct FixedFestival {
    int month;
    int day;
    std::string_view name;
};
constexpr std::array<FixedFestival, 15> kFixedFestivals = {{
    {1, 1, "元旦节"}, {2, 14, "情人节"}, {3, 8, "妇女节"}, {4, 1, "愚人节"}, {5, 1, "劳动节"},
    {5, 4, "青年节"}, {6, 1, "儿童节"}, {7, 1, "建党节"}, {8, 1, "建军节"}, {9, 10, "教师节"},
    {10, 1, "国庆节"}, {10, 6, "老人节"}, {10, 31, "万圣节"}, {11, 8, "记者日"}, {12, 25, "圣诞节"},
}};

// Festivals on the n-th given weekday of a month (weekday 1 = Sunday; n counted from 0).
struct WeekdayFestival {
    int month;
    int weekday;
    int week;
    std::string_view name;
};
constexpr std::array<WeekdayFestival, 3> kWeekdayFestivals = {{
    {5, 1, 1, "母亲节"}, {6, 1, 2, "父亲节"}, {11, 5, 3, "感恩节"},
}};

struct LunarFeast {
    int day;
    std::string_view month;
    std::string_view name;
};
constexpr std::array<LunarFeast, 7> kLunarFeasts = {{
    {1, "正月", "春节"}, {5, "五月", "端午节"}, {7, "七月", "七夕节"}, {8, "腊月", "腊八节"},
    {9, "九月", "重阳节"}, {15, "八月", "中秋节"}, {15, "正月", "元宵节"},
}};

int WeekdayOf(int year, int month, int day) {  // 1 = Sunday … 7 = Saturday
    const long serial = std::lround(std::floor(EncodeDate(year, month, day)));
    return static_cast<int>(((serial - 1) % 7 + 7) % 7) + 1;  // serial 1 (1899-12-31) was a Sunday
}

bool InTables(int year) { return year >= kFirstYear && year <= kLastYear; }

}  // namespace

int DayOfYear(DateTime date) {
    const CivilDate d = DecodeDate(date);
    int days = d.day;
    for (int m = 1; m < d.month; ++m) days += DaysInMonth(d.year, m);
    return days;
}

int CalendarLunarCode(DateTime date) {
    const CivilDate civil = DecodeDate(date);
    if (!InTables(civil.year)) return 0;
    const std::uint32_t entry = kLunarYears[static_cast<std::size_t>(civil.year - kFirstYear)];
    const int b0 = static_cast<int>(entry >> 24);
    const int lengths = static_cast<int>((entry >> 8) & 0xFFFF);
    const int leap = static_cast<int>(entry & 0xFF);
    const int first = (b0 & 0x80) != 0 ? 12 : 11;
    const int firstDay = b0 & 0x7F;

    std::array<int, 16> len{};
    std::array<int, 17> num{};
    num[0] = first;
    for (std::size_t k = 0; k < 16; ++k) {
        len[k] = (lengths >> (15 - k)) & 1 ? 30 : 29;
        num[k + 1] = num[k] == leap ? -leap : std::abs(num[k]) % 12 + 1;
    }

    const int d = DayOfYear(date) - 1;
    int month = 0;
    int day = 0;
    if (d <= len[0] - firstDay) {
        day = firstDay + d;
        month = first;
        if (civil.year > kFirstYear && CalendarLunarCode(EncodeDate(civil.year - 1, 12, 31)) < 0) month = -month;
    } else {
        int acc = len[0] - firstDay;
        std::size_t k = 1;
        while (k < 15 && d > acc + len[k]) acc += len[k++];
        day = d - acc;
        month = num[k];
    }
    return month > 0 ? month * 100 + day : month * 100 - day;
}

std::string CalendarLunarMonthText(DateTime date) {
    const int m = CalendarLunarCode(date) / 100;
    if (m == 0 || std::abs(m) > 12) return {};
    if (m < 0) return "闰" + std::string(kMonthNames[static_cast<std::size_t>(-m)]);
    return std::string(kMonthNames[static_cast<std::size_t>(m)]) + "月";
}

std::string CalendarLunarDayText(DateTime date) {
    const int day = std::abs(CalendarLunarCode(date)) % 100;
    if (day < 1 || day > 30) return {};
    return std::string(kDayNames[static_cast<std::size_t>(day)]);
}

std::string LunarFestival(DateTime date) {
    const int code = CalendarLunarCode(date);
    if (code == 0) return {};
    const int day = std::abs(code) % 100;
    const std::string month = CalendarLunarMonthText(date);
    for (const LunarFeast& feast : kLunarFeasts) {
        if (feast.day == day && feast.month == month) return std::string(feast.name);
    }
    if (month != "正月" && CalendarLunarMonthText(DatePart(date) + 1) == "正月") return "除夕";
    return {};
}

std::string GregorianFestival(int day, DateTime date) {
    const CivilDate civil = DecodeDate(date);
    for (const FixedFestival& f : kFixedFestivals) {
        if (f.month == civil.month && f.day == day) return std::string(f.name);
    }
    if (day < 1 || day > DaysInMonth(civil.year, civil.month)) return {};
    const int weekday = WeekdayOf(civil.year, civil.month, day);
    for (const WeekdayFestival& f : kWeekdayFestivals) {
        if (f.month == civil.month && f.weekday == weekday && (day - 1) / 7 == f.week) return std::string(f.name);
    }
    return {};
}

std::string CalendarSolarTerm(DateTime date) {
    const CivilDate civil = DecodeDate(date);
    if (!InTables(civil.year)) return {};
    const char* months = kTermDays[static_cast<std::size_t>(civil.year - kFirstYear)];
    const auto nibble = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
    const int h = nibble(months[(civil.month - 1) * 2]);
    const int l = nibble(months[(civil.month - 1) * 2 + 1]);
    const bool onTerm = civil.day < 15 ? civil.day == 15 - h : civil.day == 15 + l;
    if (!onTerm) return {};
    const int number = civil.day <= 15 ? 2 * civil.month - 1 : 2 * civil.month;
    return std::string(kTermNames[static_cast<std::size_t>(number - 1)]);
}

std::string ZodiacOfDate(DateTime date) {
    const CivilDate civil = DecodeDate(date);
    int i = ((civil.year - 1972) % 12 + 12) % 12;
    if (civil.month <= 3) {
        const std::string month = CalendarLunarMonthText(date);
        if (month.find("冬") != std::string::npos || month.find("腊") != std::string::npos) i = (i + 11) % 12;
    }
    return std::string(BranchAnimalNames[static_cast<std::size_t>(i)]);
}

std::string CalendarStarSign(int day, DateTime date) {
    const CivilDate civil = DecodeDate(date);
    const SignRange& range = kSigns[static_cast<std::size_t>(civil.month - 1)];
    return std::string(day <= range.lastDayOfFirst ? range.first : range.second);
}

DayAnnotation CalendarCellAnnotation(DateTime date) {
    DayAnnotation cell{CalendarLunarDayText(date), AnnotationKind::LunarDay};
    if (cell.text == "初一") cell = {CalendarLunarMonthText(date), AnnotationKind::LunarMonth};
    const int day = DecodeDate(date).day;
    if (std::string festival = GregorianFestival(day, date); festival.size() > 3) {
        cell = {std::move(festival), AnnotationKind::GregorianFestival};
    }
    if (std::string term = CalendarSolarTerm(date); !term.empty()) cell = {std::move(term), AnnotationKind::SolarTerm};
    if (std::string feast = LunarFestival(date); !feast.empty()) cell = {std::move(feast), AnnotationKind::LunarFestival};
    return cell;
}

}  // namespace varnel
