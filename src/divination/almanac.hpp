#pragma once

#include <string>
#include <string_view>

#include "text/date_serial.hpp"

namespace varnel {

// The month a day belongs to by the month-opening solar terms (a term on the day counts for
// the day), and the year that began with the last 立春.
struct MonthPosition {
    int monthBranch = 0;  // 0 = 子 … 11 = 亥
    int pillarYear = 0;
};

// The month position of a day from the solar-term table; nothing known yields the fixed days.
MonthPosition MonthPositionOf(DateTime date);

// One almanac entry: the columns of the daily almanac table.
struct AlmanacDay {
    std::string nn;      // lunar date
    std::string suici;   // year, month and day pillars
    std::string tszf;    // foetus spirit's position
    std::string wuhang;  // nayin of the day and the day's officer
    std::string cong;    // clash and the direction of the day's 煞
    std::string pzbj;    // Peng Zu's taboos of the day stem and branch
    std::string jsyq;    // auspicious spirits
    std::string yi;      // activities that suit the day
    std::string xsyq;    // inauspicious spirits
    std::string ji;      // activities to avoid
};

AlmanacDay AlmanacOf(DateTime date, const MonthPosition& month);

// The officer of the twelve (建 除 满 平 定 执 破 危 成 收 开 闭) of a day branch in a month.
std::string_view DayOfficer(int dayBranch, int monthBranch);

}  // namespace varnel
