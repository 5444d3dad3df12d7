#include "cli/cli.hpp"

#include <array>
#include <ostream>

#include "store/failure.hpp"
#include "text/conversion_error.hpp"
#include "text/gbk.hpp"

namespace varnel::cli {

namespace {

struct Command {
    std::string_view name;
    int (*run)(Arguments&, Output&);
};

constexpr std::array<Command, 4> kCommands = {{
    {"lunar", LunarCommand},
    {"solar", SolarCommand},
    {"jieqi", JieqiCommand},
    {"chart", ChartCommand},
}};

constexpr std::string_view kUsage =
    R"(Usage: varnel-cli [--encoding utf8|gbk] COMMAND [ARGUMENTS]

Commands:
  lunar YYYY-M-D...        the lunar date of each Gregorian date:
                           year month day leap(0/1) text, "0 0 0 0" when out of range
  solar YYYY-M-D [--leap]  the Gregorian date (YYYY-MM-DD) of a lunar date,
                           0001-01-01 when the lunar date does not exist
  jieqi YYYY               the 24 solar terms of a Gregorian year: name<TAB>YYYY-MM-DD HH:MM:SS
  chart --year Y --month M --day D --hour H --minute MI --sex 男|女
                           the Four Pillars chart of a Gregorian birth moment, one
                           "field: value" line per field of the record

Options:
  --encoding gbk           write GBK instead of UTF-8
  --help                   show this text

Exit status: 0 success, 1 after a notice (on standard error), 2 usage error,
3 knowledge-store or conversion error.
)";

}  // namespace

void Output::Line(std::string_view text) {
    if (gbk_) {
        out_ << ToGbk(text) << '\n';
    } else {
        out_ << text << '\n';
    }
}

void Output::Error(std::string_view text) { err_ << (gbk_ ? ToGbk(text) : std::string(text)) << '\n'; }

std::string Arguments::TakeOption(std::string_view name) {
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] != name) continue;
        if (i + 1 >= words_.size()) throw UsageError(std::string(name) + " needs a value");
        std::string value = words_[i + 1];
        words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i),
                     words_.begin() + static_cast<std::ptrdiff_t>(i + 2));
        return value;
    }
    return {};
}

bool Arguments::TakeFlag(std::string_view name) {
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] == name) {
            words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

std::string Arguments::TakeFirst() {
    if (words_.empty()) return {};
    std::string first = words_.front();
    words_.erase(words_.begin());
    return first;
}

std::vector<std::string> Arguments::Positionals() const {
    for (const std::string& word : words_) {
        if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
            throw UsageError("unknown option " + word);
        }
    }
    return words_;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments arguments(args);
    bool gbk = false;
    try {
        const std::string encoding = arguments.TakeOption("--encoding");
        if (!encoding.empty() && encoding != "utf8" && encoding != "utf-8" && encoding != "gbk") {
            throw UsageError("unknown encoding " + encoding);
        }
        gbk = encoding == "gbk";
    } catch (const UsageError& e) {
        err << "varnel-cli: " << e.what() << "\n";
        return kExitUsage;
    }
    Output output(out, err, gbk);
    if (args.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    if (arguments.TakeFlag("--help")) {
        out << kUsage;
        return kExitOk;
    }

    const std::string name = arguments.TakeFirst();
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        try {
            return command.run(arguments, output);
        } catch (const UsageError& e) {
            err << "varnel-cli " << name << ": " << e.what() << "\nTry 'varnel-cli --help'.\n";
            return kExitUsage;
        } catch (const ConversionError& e) {
            output.Error(e.what());
            return kExitError;
        } catch (const StoreError& e) {
            output.Error(e.what());
            return kExitError;
        } catch (const CommandCancelled&) {
            return kExitOk;
        }
    }
    err << "varnel-cli: unknown command '" << name << "'\nTry 'varnel-cli --help'.\n";
    return kExitUsage;
}

}  // namespace varnel::cli
