#include <chrono>
#include <random>
#include <string>

#include "cli/cli.hpp"
#include "divination/hexagram.hpp"
#include "divination/zhuge.hpp"
#include "reports/report_sink.hpp"
#include "text/conversion_error.hpp"

namespace varnel::cli {

int HexagramCommand(Arguments& args, Output& output) {
    const std::string code = args.TakeOption("--code");
    const std::string id = args.TakeOption("--id");
    if (!args.Positionals().empty() || (!code.empty() && !id.empty())) throw UsageError("give --code BITS or --id N");
    std::optional<Hexagram> hexagram;
    if (!code.empty()) {
        if (code.size() != 6 || code.find_first_not_of("01") != std::string::npos) {
            throw UsageError("--code is six characters 0 or 1, line 1 first");
        }
        hexagram = HexagramByCode(code);
    } else if (!id.empty()) {
        hexagram = HexagramById(ParseInt(id));
    } else {
        std::mt19937 generator(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
        hexagram = HexagramById(std::uniform_int_distribution<int>(0, kHexagramCount - 1)(generator));
    }
    if (!hexagram) {
        CliNotifier(output).ShowNotice("没有这一卦。");
        return kExitNotice;
    }
    output.Line(hexagram->code);
    output.Line(hexagram->title);
    output.Line(hexagram->value);
    return kExitOk;
}

int ZhugeCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() > 3) throw UsageError("give three characters");
    std::string characters;
    for (const std::string& word : words) characters += word;
    ReportSink report;
    CharacterTestReport(characters, report);
    for (const std::string& line : report.Lines()) output.Line(line);
    return kExitOk;
}

int FingerprintCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() > 1) throw UsageError("give one code of o and x, thumb first");
    output.Line("测算结果:" + FingerprintReading(words.empty() ? std::string() : words.front()));
    return kExitOk;
}

}  // namespace varnel::cli
