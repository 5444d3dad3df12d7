#include <string>

#include "calendar/day_annotations.hpp"
#include "calendar/lunar.hpp"
#include "cli/cli.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "text/conversion_error.hpp"
#include "text/date_serial.hpp"

namespace varnel::cli {

namespace {

// Splits "Y-M-D" into three integers without asking whether it is a Gregorian date.
LunarDate ReadLunarDate(const std::string& text, bool leap) {
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
    if (second == std::string::npos) {
        throw ConversionError("'" + text + "' is not a valid date");
    }
    try {
        return {ParseInt(text.substr(0, first)), ParseInt(text.substr(first + 1, second - first - 1)),
                ParseInt(text.substr(second + 1)), leap};
    } catch (const ConversionError&) {
        throw ConversionError("'" + text + "' is not a valid date");
    }
}

}  // namespace

int LunarCommand(Arguments& args, Output& output) {
    const auto dates = args.Positionals();
    if (dates.empty()) throw UsageError("give at least one date YYYY-M-D");
    for (const std::string& text : dates) {
        const LunarDate lunar = SolarToLunar(ParseDateText(text));
        if (lunar == kNoLunarDate) {
            output.Line("0 0 0 0");
            continue;
        }
        output.Line(std::to_string(lunar.year) + " " + std::to_string(lunar.month) + " " +
                    std::to_string(lunar.day) + " " + (lunar.isLeap ? "1" : "0") + " " +
                    LunarDateText(lunar));
    }
    return kExitOk;
}

int SolarCommand(Arguments& args, Output& output) {
    const bool leap = args.TakeFlag("--leap");
    const auto dates = args.Positionals();
    if (dates.size() != 1) throw UsageError("give one lunar date YYYY-M-D");
    output.Line(FormatDate(LunarToSolar(ReadLunarDate(dates.front(), leap))));
    return kExitOk;
}

int JieqiCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one year YYYY");
    const int year = ParseInt(words.front());
    const auto rows = QueryRows(
        TgcodePath(), "select JQ, SJ from JQ where YearA = " + std::to_string(year) + " order by SJ");
    if (rows.empty()) {
        CliNotifier(output).ShowNotice("没有" + std::to_string(year) + "年的节气数据(可查1900年至2100年)。");
        return kExitNotice;
    }
    for (const Row& row : rows) output.Line(row.Trimmed(0) + "\t" + row.Trimmed(1));
    return kExitOk;
}

int CalendarCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one month YYYY-MM");
    const std::string& text = words.front();
    const std::size_t dash = text.find('-');
    if (dash != 4 || text.size() < 6 || text.size() > 7) throw UsageError("give one month YYYY-MM");
    const int year = ParseInt(text.substr(0, 4));
    const int month = ParseInt(text.substr(5));
    if (month < 1 || month > 12 || year < 1) throw UsageError("give one month YYYY-MM");

    const DateTime first = EncodeDate(year, month, 1);
    output.Line(std::to_string(year) + "年" + std::to_string(month) + "月 " + ZodiacOfDate(first));
    output.Line("星期日\t星期一\t星期二\t星期三\t星期四\t星期五\t星期六");
    const long serial = static_cast<long>(first);
    const int blanks = static_cast<int>(((serial % 7) + 13) % 7);  // days before the 1st in its week (serial 1 was a Sunday)
    std::string row;
    int column = 0;
    for (; column < blanks; ++column) row += "\t";
    for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        row += std::to_string(day) + " " + CalendarCellAnnotation(EncodeDate(year, month, day)).text;
        if (++column % 7 == 0) {
            output.Line(row);
            row.clear();
        } else {
            row += "\t";
        }
    }
    if (!row.empty()) output.Line(row.substr(0, row.size() - 1));
    return kExitOk;
}

}  // namespace varnel::cli
