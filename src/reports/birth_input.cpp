#include "reports/birth_input.hpp"

#include "calendar/sexagenary.hpp"
#include "readings/star_sign.hpp"
#include "text/conversion_error.hpp"
#include "text/gbk.hpp"
#include "text/trim.hpp"

namespace varnel {

namespace {

std::vector<std::string> NumberItems(int first, int last) {
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i) items.push_back(std::to_string(i));
    return items;
}

// Stores the trimmed text in `field`, or shows `message` and answers false when it is empty.
bool StoreRequired(std::string_view text, std::string& field, std::string_view message,
                   Notifier& notifier) {
    std::string value = Trim(text);
    if (value.empty()) {
        notifier.ShowNotice(message);
        return false;
    }
    field = std::move(value);
    return true;
}

}  // namespace

std::vector<std::string> YearItems() { return NumberItems(kFirstPanelYear, kLastPanelYear); }
std::vector<std::string> MonthItems() { return NumberItems(1, 12); }
std::vector<std::string> DayItems() { return NumberItems(1, 31); }
std::vector<std::string> MinuteItems() { return NumberItems(0, 59); }

int ClockHourOfItem(std::string_view item) { return ParseInt(Trim(GbkCopy(item, 4, 2))); }

bool AcceptNames(const BirthPanel& panel, BirthInput& input, Notifier& notifier) {
    return StoreRequired(panel.surname, input.surname, "姓不能为空!", notifier) &&
           StoreRequired(panel.givenName, input.givenName, "名不能为空!", notifier);
}

bool AcceptBirthInput(const BirthPanel& panel, bool requireBloodType, BirthInput& input,
                      Notifier& notifier) {
    if (!AcceptNames(panel, input, notifier)) return false;
    if (requireBloodType &&
        !StoreRequired(panel.bloodType, input.bloodType, "血型不能为空!", notifier)) {
        return false;
    }
    if (!StoreRequired(panel.year, input.yearText, "请选择出生年!", notifier)) return false;
    if (!StoreRequired(panel.month, input.monthText, "请选择出生月!", notifier)) return false;
    if (!StoreRequired(panel.day, input.dayText, "请选择出生日!", notifier)) return false;
    if (!StoreRequired(panel.hour, input.hourItem, kHourNotice, notifier)) return false;

    if (panel.calendarIndex == 0) {
        input.solarDateText = input.yearText + "-" + input.monthText + "-" + input.dayText;
    } else {
        const LunarDate lunar{ParseInt(input.yearText), ParseInt(input.monthText),
                              ParseInt(input.dayText), false};
        const DateTime solar = LunarToSolar(lunar);
        if (lunar.month < 1 || lunar.day < 1 || solar == InvalidSolarDate()) {
            notifier.ShowNotice("农历日期不存在或不在可换算的范围内(农历1901年至2099年)!");
            return false;
        }
        input.solarDateText = FormatDate(solar);
        input.yearText = input.solarDateText.substr(0, 4);
        input.monthText = input.solarDateText.substr(5, 2);
        input.dayText = input.solarDateText.substr(8, 2);
    }

    const LunarDate lunar = SolarToLunar(ParseDateText(input.solarDateText));
    if (lunar == kNoLunarDate) {
        notifier.ShowNotice("公历日期不在可换算的范围内(1900年1月31日至2100年12月31日)!");
        return false;
    }
    // A typed hour item can hold any number: only a clock hour makes a chart.
    const int hour = ClockHourOfItem(input.hourItem);
    if (hour < 0 || hour > 23) {
        notifier.ShowNotice(kHourNotice);
        return false;
    }
    input.lunarDate = lunar;
    input.lunarDateText = LunarDateText(lunar);
    input.animal = AnimalNames[static_cast<std::size_t>((lunar.year - 1864) % 12)];
    input.starSign = StarSignForDate(ParseDateText(input.solarDateText));
    input.hourNumber = hour;
    return true;
}

int CurrentAge(const BirthInput& input, int currentYear) {
    return currentYear - ParseInt(input.solarDateText.substr(0, 4));
}

std::string BirthSummaryLine(const BirthInput& input, int currentYear) {
    const std::string date = FormatDate(ParseDateText(input.solarDateText));
    return input.surname + input.givenName + ",你今年:" +
           std::to_string(CurrentAge(input, currentYear)) + "岁," + "您出生于公历 " +
           date.substr(0, 4) + "年" + date.substr(5, 2) + "月" + date.substr(8, 2) + "日" +
           std::to_string(input.hourNumber) + "点  " + "农历 " + input.lunarDateText +
           " 生肖:" + input.animal + " 星座:" + input.starSign;
}

std::string YearPillarText(int year) {
    const std::string text = CycleYearText(year - 1864);
    return text.substr(0, 2 * std::string_view("甲").size());
}

std::string AgeLabel(const BirthInput& input, int year) {
    const int age = year - input.lunarDate.year;
    return (age > 9 ? "" : "0") + std::to_string(age) + "岁";
}

}  // namespace varnel
