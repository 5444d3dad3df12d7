#include <string>

#include "cli/cli.hpp"
#include "names/name_suggestion.hpp"
#include "names/surname_origins.hpp"

namespace varnel::cli {

int SuggestCommand(Arguments& args, Output& output) {
    const std::string length = args.TakeOption("--length");
    if (!length.empty() && length != "1" && length != "2") throw UsageError("--length is 1 or 2");
    const bool two = length != "1";
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one surname");
    const auto suggestions = StrokeSuggestions(two ? 2 : 1, words.front());
    for (const StrokeSuggestion& suggestion : suggestions) output.Line(SuggestionLabel(suggestion, two, true));
    for (const StrokeSuggestion& suggestion : suggestions) {
        output.Line("");
        output.Line(SuggestionLabel(suggestion, two, true));
        output.Line("名第一字：" + CharactersWithStrokes(suggestion.g1));
        if (two) output.Line("名第两字：" + CharactersWithStrokes(suggestion.g2));
    }
    return kExitOk;
}

int SurnameCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one surname");
    const auto origin = SurnameOrigin(words.front());
    if (!origin) {
        CliNotifier(output).ShowNotice("没有找到姓氏“" + words.front() + "”的资料。");
        return kExitNotice;
    }
    output.Line(*origin);
    return kExitOk;
}

}  // namespace varnel::cli
