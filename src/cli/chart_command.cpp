#include <string>

#include "chart/chart.hpp"
#include "cli/cli.hpp"
#include "cli/json.hpp"
#include "chart/places.hpp"
#include "chart/true_solar_time.hpp"
#include "text/conversion_error.hpp"

namespace varnel::cli {

namespace {

int RequiredInt(Arguments& args, std::string_view option) {
    const std::string value = args.TakeOption(option);
    if (value.empty()) throw UsageError(std::string(option) + " is required");
    return ParseInt(value);
}

}  // namespace

int ChartCommand(Arguments& args, Output& output) {
    const int year = RequiredInt(args, "--year");
    const int month = RequiredInt(args, "--month");
    const int day = RequiredInt(args, "--day");
    const int hour = RequiredInt(args, "--hour");
    const int minute = RequiredInt(args, "--minute");
    if (hour < 0 || hour > 23) throw UsageError("--hour is 0 to 23");
    if (minute < 0 || minute > 59) throw UsageError("--minute is 0 to 59");
    std::string sex = args.TakeOption("--sex");
    if (sex.empty()) sex = "男";
    const std::string placeName = args.TakeOption("--place");
    const bool trueSolarTime = args.TakeFlag("--true-solar-time");
    const bool lateZi = args.TakeFlag("--late-zi-next-day");
    const bool json = args.TakeFlag("--json");
    if (!args.Positionals().empty()) throw UsageError("unexpected argument");
    if (trueSolarTime && placeName.empty()) throw UsageError("--true-solar-time needs --place NAME");

    CliNotifier notifier(output);
    int y = year, mo = month, d = day, h = hour, mi = minute;
    if (trueSolarTime) {
        const auto place = FindPlace(placeName);
        if (!place) {
            notifier.ShowNotice("没有找到这个出生地，请从列表中选择!");
            return kExitNotice;
        }
        if (!IsValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59) {
            throw UsageError("not a valid birth moment");
        }
        const DateTime local = TrueSolarMoment(EncodeDateTime(year, month, day, hour, minute), place->longitude);
        const CivilDate date = DecodeDate(local);
        const ClockTime time = DecodeTime(local);
        y = date.year, mo = date.month, d = date.day, h = time.hour, mi = time.minute;
    }
    FourPillars c;
    if (!ComputeChart(y, mo, d, h, mi, sex, c, notifier, ChartOptions{lateZi})) return kExitNotice;

    if (json) {
        output.Line(ChartJson(c));
        return kExitOk;
    }
    for (const auto& [name, value] : ChartFields(c)) output.Line(name + ": " + value);
    return kExitOk;
}

}  // namespace varnel::cli
