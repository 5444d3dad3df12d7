#include <array>
#include <string>

#include "chart/four_pillars.hpp"
#include "cli/cli.hpp"
#include "cli/json.hpp"
#include "names/grids.hpp"
#include "names/name_report.hpp"
#include "names/three_talents.hpp"
#include "readings/star_readings.hpp"
#include "reports/birth_reports.hpp"
#include "text/conversion_error.hpp"
#include "text/date_serial.hpp"
#include "text/utf8.hpp"

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
    take("--place", panel.birthplace);
    panel.trueSolarTime = args.TakeFlag("--true-solar-time");
    panel.lateZiNextDay = args.TakeFlag("--late-zi-next-day");
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

int StrokesCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.empty()) throw UsageError("give the characters to count");
    for (const std::string& word : words) {
        for (const std::string& character : Utf8Characters(word)) {
            output.Line(character + "\t" + std::to_string(StrokeCount(character)));
        }
    }
    return kExitOk;
}

bool IsStarTopic(std::string_view kind) {
    for (const StarTopic& topic : StarTopics) {
        if (topic.table == kind) return true;
    }
    return false;
}

int ReportCommand(Arguments& args, Output& output) {
    const std::string kind = args.TakeFirst();
    const bool json = args.TakeFlag("--json");
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
    } else if (kind == "star") {
        StarSignReport(panel, input, report, notifier, CurrentYear());
    } else if (kind == "iq" || IsStarTopic(kind)) {
        // The window's readings use the sign accepted last; here the options are that person.
        if (AcceptBirthInput(panel, false, input, notifier)) {
            if (kind == "iq") {
                StarIntelligenceReading(input, report);
            } else {
                StarTopicReading(input, kind, report);
            }
        }
    } else if (kind == "name") {
        NameReport(panel, input, report, notifier, CurrentYear());
    } else if (kind == "sancai") {
        // The window's command reads the name last accepted; here the options are that name.
        if (AcceptBirthInput(panel, false, input, notifier)) ThreeTalentsAction(input, report);
    } else {
        throw UsageError("unknown report '" + kind + "'");
    }
    if (json) {
        std::string out = "{\"report\":" + JsonString(kind) + ",\"lines\":[";
        for (std::size_t i = 0; i < report.Lines().size(); ++i) out += (i > 0 ? "," : "") + JsonString(report.Lines()[i]);
        out += "],\"chart\":" + (chart.year != 0 ? ChartJson(chart) : std::string("null")) + "}";
        output.Line(out);
        return kExitOk;
    }
    for (const std::string& line : report.Lines()) output.Line(line);
    return kExitOk;
}

}  // namespace varnel::cli
