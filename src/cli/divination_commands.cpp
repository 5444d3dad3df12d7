#include <chrono>
#include <random>
#include <string>

#include "cli/cli.hpp"
#include "divination/hexagram.hpp"
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

}  // namespace varnel::cli
