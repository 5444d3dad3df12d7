#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "reports/birth_input.hpp"
#include "reports/command_dispatch.hpp"
#include "reports/report_sink.hpp"

namespace varnel::cli {

// Exit statuses of varnel-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotice = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitError = 3;

// Wrong arguments; the message goes to standard error with a hint to --help.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a command writes: report lines to `out` (UTF-8, or GBK when asked), notices to `err`.
class Output {
public:
    Output(std::ostream& out, std::ostream& err, bool gbk) : out_(out), err_(err), gbk_(gbk) {}
    void Line(std::string_view text);
    void Error(std::string_view text);
    bool HadNotice() const { return hadNotice_; }
    void MarkNotice() { hadNotice_ = true; }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool gbk_;
    bool hadNotice_ = false;
};

// The error box of the dispatcher: the message on standard error.
class CliErrors : public ErrorReporter {
public:
    explicit CliErrors(Output& output) : output_(output) {}
    void ShowError(std::string_view message) override;

private:
    Output& output_;
};

// Notices of the readings: a line on standard error, remembered for the exit status.
class CliNotifier : public Notifier {
public:
    explicit CliNotifier(Output& output) : output_(output) {}
    void ShowNotice(std::string_view text) override {
        output_.Error(text);
        output_.MarkNotice();
    }

private:
    Output& output_;
};

// The arguments of one command: positional words and --name value options.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}
    // Takes the option's value out of the words; empty when absent.
    std::string TakeOption(std::string_view name);
    bool TakeFlag(std::string_view name);
    // Takes the first word, the command's name.
    std::string TakeFirst();
    // What is left, after every option has been taken; a leftover "--x" is a usage error.
    std::vector<std::string> Positionals() const;

private:
    std::vector<std::string> words_;
};

// Runs varnel-cli with its arguments (without the program name) and answers the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Commands, one function each: they throw UsageError, ConversionError or StoreError, or
// answer kExitNotice after writing a notice.
int LunarCommand(Arguments& args, Output& output);
int SolarCommand(Arguments& args, Output& output);
int JieqiCommand(Arguments& args, Output& output);
int ChartCommand(Arguments& args, Output& output);
int ReportCommand(Arguments& args, Output& output);
int StrokesCommand(Arguments& args, Output& output);
int SuggestCommand(Arguments& args, Output& output);
int SurnameCommand(Arguments& args, Output& output);
int NetNameCommand(Arguments& args, Output& output);
int PhoneCommand(Arguments& args, Output& output);
int QqCommand(Arguments& args, Output& output);
int NumberCommand(Arguments& args, Output& output);
int QqPairCommand(Arguments& args, Output& output);
int HexagramCommand(Arguments& args, Output& output);
int AlmanacCommand(Arguments& args, Output& output);
int CalendarCommand(Arguments& args, Output& output);
int LibraryCommand(Arguments& args, Output& output);
int OmenCommand(Arguments& args, Output& output);
int ZhugeCommand(Arguments& args, Output& output);
int FingerprintCommand(Arguments& args, Output& output);

// The input panel as the birth options give it.
BirthPanel ReadBirthOptions(Arguments& args);

}  // namespace varnel::cli
