#include <string>

#include "chart/chart.hpp"
#include "cli/cli.hpp"
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
    std::string sex = args.TakeOption("--sex");
    if (sex.empty()) sex = "男";
    if (!args.Positionals().empty()) throw UsageError("unexpected argument");

    FourPillars c;
    CliNotifier notifier(output);
    if (!ComputeChart(year, month, day, hour, minute, sex, c, notifier)) return kExitNotice;

    const std::pair<const char*, std::string> fields[] = {
        {"year", std::to_string(c.year)},
        {"month", std::to_string(c.month)},
        {"day", std::to_string(c.day)},
        {"hour", std::to_string(c.hour)},
        {"minute", std::to_string(c.minute)},
        {"sexIsMale", c.sexIsMale ? "1" : "0"},
        {"beforeTerm", std::to_string(c.beforeTerm)},
        {"yearStem", std::to_string(c.yearStem)},
        {"yearBranch", std::to_string(c.yearBranch)},
        {"monthStem", std::to_string(c.monthStem)},
        {"monthBranch", std::to_string(c.monthBranch)},
        {"dayStem", std::to_string(c.dayStem)},
        {"dayBranch", std::to_string(c.dayBranch)},
        {"hourStem", std::to_string(c.hourStem)},
        {"hourBranch", std::to_string(c.hourBranch)},
        {"pillars", c.yearStemName + c.yearBranchName + " " + c.monthStemName + c.monthBranchName + " " +
                        c.dayStemName + c.dayBranchName + " " + c.hourStemName + c.hourBranchName},
        {"backward", std::to_string(c.backward)},
        {"startAge", c.startAgeText},
        {"luckPillars", c.luckPillars},
        {"conceptionPillar", c.conceptionPillar},
        {"yearHiddenStems", c.yearHiddenStems},
        {"monthHiddenStems", c.monthHiddenStems},
        {"dayHiddenStems", c.dayHiddenStems},
        {"hourHiddenStems", c.hourHiddenStems},
        {"luckNayin", c.luckNayin},
        {"luckTenGods", c.luckTenGods},
        {"personalityText", c.personalityText},
    };
    for (const auto& [name, value] : fields) output.Line(std::string(name) + ": " + value);
    return kExitOk;
}

}  // namespace varnel::cli
