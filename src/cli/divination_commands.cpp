#include <chrono>
#include <random>
#include <string>

#include "cli/cli.hpp"
#include "divination/almanac_page.hpp"
#include "divination/hexagram.hpp"
#include "divination/library.hpp"
#include "divination/omens.hpp"
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

int AlmanacCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one date YYYY-MM-DD");
    const std::string& date = words.front();
    const std::size_t first = date.find('-');
    const std::size_t second = first == std::string::npos ? first : date.find('-', first + 1);
    if (second == std::string::npos) throw UsageError("give one date YYYY-MM-DD");
    CliNotifier notifier(output);
    const auto page = LookUpAlmanac(date.substr(0, first), date.substr(first + 1, second - first - 1),
                                    date.substr(second + 1), notifier);
    if (!page) {
        if (!output.HadNotice()) notifier.ShowNotice("没有这一天的黄历。");
        return kExitNotice;
    }
    output.Line(page->title);
    for (const std::string& line : page->lines) output.Line(line);
    return kExitOk;
}

int LibraryCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one key: a1-a8, b1-b13, c1, c2");
    const auto text = LookUpLibraryText(words.front());
    if (!text) {
        CliNotifier(output).ShowNotice("没有这一篇。");
        return kExitNotice;
    }
    output.Line(text->title);
    output.Line("");
    output.Line(text->content);
    return kExitOk;
}

int OmenCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one page 0-6");
    const int page = ParseInt(words.front());
    if (page < 0 || page >= kOmenPages) throw UsageError("the page is 0-6");
    output.Line(OmenCaption(page));
    for (const std::string_view line : DoubleHourNote()) output.Line(line);
    output.Line("");
    for (const std::string& line : OmenPageLines(page)) output.Line(line);
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
