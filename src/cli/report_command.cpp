#include <array>
#include <string>

#include "chart/four_pillars.hpp"
#include "cli/cli.hpp"
#include "reports/birth_reports.hpp"
#include "text/conversion_error.hpp"
#include "text/date_serial.hpp"

namespace varnel::cli {

BirthPanel ReadBirthOptions(Arguments& args) {
    BirthPanel panel;
    auto take = [&](std::string_view option, std::string& field) {
        std::string value = args.TakeOption(option);
        if (!value.empty()) field = std::move(value);
    };
    take("--surname", panel.surname);
    take("--given", panel.givenName);
    take("--sex", panel.sex);
    take("--blood", panel.bloodType);
    take("--year", panel.year);
    take("--month", panel.month);
    take("--day", panel.day);
    take("--minute", panel.minute);
    const std::string calendar = args.TakeOption("--calendar");
    if (calendar == "lunar") {
        panel.calendarIndex = 1;
    } else if (!calendar.empty() && calendar != "solar") {
        throw UsageError("--calendar is solar or lunar");
    }
    const std::string hour = args.TakeOption("--hour");
    if (!hour.empty()) {
        const int h = ParseInt(hour);
        if (h < 0 || h > 23) throw UsageError("--hour is 0 to 23");
        panel.hour = HourItems[static_cast<std::size_t>(h)];
    }
    return panel;
}

int ReportCommand(Arguments& args, Output& output) {
    const std::string kind = args.TakeFirst();
    const BirthPanel panel = ReadBirthOptions(args);
    if (!args.Positionals().empty()) throw UsageError("unexpected argument");

    BirthInput input;
    FourPillars chart;
    ReportSink report;
    CliNotifier notifier(output);
    BirthReportContext context{panel, input, chart, report, notifier, CurrentYear()};
    if (kind == "bazi") {
        DetailedReportAction(context);
    } else if (kind == "birthinfo") {
        BirthInformationAction(context, BirthInformationKind::Plain);
    } else if (kind == "chenggu") {
        BirthInformationAction(context, BirthInformationKind::BoneWeight);
    } else if (kind == "blood") {
        BirthInformationAction(context, BirthInformationKind::BloodType);
    } else {
        throw UsageError("unknown report '" + kind + "'");
    }
    for (const std::string& line : report.Lines()) output.Line(line);
    return kExitOk;
}

}  // namespace varnel::cli
