#include "cli/cli.hpp"

#include <algorithm>
#include <array>
#include <ostream>

#include "reports/command_dispatch.hpp"
#include "text/gbk.hpp"

namespace varnel::cli {

namespace {

struct Command {
    std::string_view name;
    int (*run)(Arguments&, Output&);
};

constexpr std::array<Command, 20> kCommands = {{
    {"calendar", CalendarCommand},
    {"library", LibraryCommand},
    {"omen", OmenCommand},
    {"almanac", AlmanacCommand},
    {"zhuge", ZhugeCommand},
    {"fingerprint", FingerprintCommand},
    {"hexagram", HexagramCommand},
    {"phone", PhoneCommand},
    {"qq", QqCommand},
    {"number", NumberCommand},
    {"qqpair", QqPairCommand},
    {"netname", NetNameCommand},
    {"suggest", SuggestCommand},
    {"surname", SurnameCommand},
    {"strokes", StrokesCommand},
    {"lunar", LunarCommand},
    {"solar", SolarCommand},
    {"jieqi", JieqiCommand},
    {"chart", ChartCommand},
    {"report", ReportCommand},
}};

constexpr std::string_view kUsage =
    R"(Usage: varnel-cli [--encoding utf8|gbk] COMMAND [ARGUMENTS]

Commands:
  lunar YYYY-M-D...        the lunar date of each Gregorian date:
                           year month day leap(0/1) text, "0 0 0 0" when out of range
  solar YYYY-M-D [--leap]  the Gregorian date (YYYY-MM-DD) of a lunar date,
                           0001-01-01 when the lunar date does not exist
  calendar YYYY-MM         a month of the perpetual calendar: title and animal, weekday
                           header, then one line per week, Sunday first, cells "day
                           annotation" separated by tabs (empty before the 1st)
  jieqi YYYY               the 24 solar terms of a Gregorian year: name<TAB>YYYY-MM-DD HH:MM:SS
  chart --year Y --month M --day D --hour H --minute MI --sex 男|女
                           the Four Pillars chart of a Gregorian birth moment, one
                           "field: value" line per field of the record
  report KIND [birth options]
                           the report area's lines of a reading; KIND is
                           bazi (八字分析), birthinfo (生辰信息), chenggu (称骨算命),
                           blood (血型论命), name (姓名详批), sancai (三才吉凶),
                           star (星座详批), iq (星座运程) or a star-sign topic: ndeq (情商解析),
                           aiqing (星座实力), mingren (星座名人), baojian (身体保健),
                           qingxv (五大建议), shiye (星座缺陷)
  strokes TEXT             each character, a tab and its stroke count for name numerology
  suggest SURNAME [--length 1|2]
                           the stroke combinations 取名宝典 proposes for a given name of one
                           or two characters (two by default), then for each combination
                           the characters of its stroke counts
  surname NAME             the origin and history of a surname (姓氏起源)
  netname TEXT             the two result rows of 网名与性格 for a nickname
  phone N                  the result rows of 手机号码测算 (key: digits 8 on, modulo 80)
  qq N, number N           the result rows of QQ号码测试 and 任意号码分析 (modulo 81)
  qqpair A B               the pairing text of two QQ numbers of 5 to 10 digits
  hexagram [--code BITS | --id N]
                           a hexagram of 金钱卦 by its six lines (line 1 first, 1 yang,
                           0 yin), by its number 0-63, or drawn at random: its code, title
                           and interpretation
  zhuge A B C              the report lines of 测字论命 for three characters
  fingerprint CODE         the reading of a five-finger code of o (whorl) and x (loop)
  library KEY              a text of the library (a1-a8, b1-b13, c1, c2): title, then text
  omen PAGE                an omen page 0-6 (打喷嚏 面热 心惊 犬吠 眼跳 耳热 耳鸣):
                           caption, the note on the double hours, the page's lines
  almanac YYYY-MM-DD       the 黄道吉日 entry of a day 1901-2100: the title line, then
                           the entry's lines

Birth options (the input panel; defaults as the panel starts):
  --surname TEXT --given TEXT --sex 男|女 --blood A型|B型|O型|AB型
  --calendar solar|lunar --year YYYY --month M --day D --hour 0-23 --minute 0-59
  --place NAME             the birthplace, e.g. 乌鲁木齐 or "新疆 乌鲁木齐"
  --true-solar-time        cast the chart for the birthplace's true solar time (needs --place)
  --late-zi-next-day       a birth from 23:00 takes the next day's day pillar (晚子时换日)
  chart and report also take --json: one JSON object (report: the lines and the chart)

Options:
  --encoding gbk           write GBK instead of UTF-8
  --help                   show this text

Exit status: 0 success, 1 after a notice (on standard error), 2 usage error,
3 knowledge-store or conversion error, or a reading that stopped before its end.
)";

}  // namespace

void Output::Line(std::string_view text) {
    if (gbk_) {
        out_ << ToGbk(text) << '\n';
    } else {
        out_ << text << '\n';
    }
}

void CliErrors::ShowError(std::string_view message) { output_.Error(message); }

void Output::Error(std::string_view text) { err_ << (gbk_ ? ToGbk(text) : std::string(text)) << '\n'; }

std::string Arguments::TakeOption(std::string_view name) {
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] != name) continue;
        if (i + 1 >= words_.size()) throw UsageError(std::string(name) + " needs a value");
        std::string value = words_[i + 1];
        words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i),
                     words_.begin() + static_cast<std::ptrdiff_t>(i + 2));
        if (std::find(words_.begin(), words_.end(), name) != words_.end()) {
            throw UsageError(std::string(name) + " is given twice");
        }
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
    const Command* command = nullptr;
    for (const Command& candidate : kCommands) {
        if (candidate.name == name) command = &candidate;
    }
    if (command == nullptr) {
        err << "varnel-cli: unknown command '" << name << "'\nTry 'varnel-cli --help'.\n";
        return kExitUsage;
    }

    CliErrors errors(output);
    int status = kExitOk;
    std::string usage;
    const CommandOutcome outcome = RunCommand(
        [&] {
            try {
                status = command->run(arguments, output);
            } catch (const UsageError& e) {
                usage = e.what();
            }
        },
        errors);
    if (!usage.empty()) {
        err << "varnel-cli " << name << ": " << usage << "\nTry 'varnel-cli --help'.\n";
        return kExitUsage;
    }
    if (outcome == CommandOutcome::Failed) return kExitError;
    if (output.HadNotice()) return kExitNotice;
    // A silent stop (a knowledge file that could not be read) is no success either.
    if (outcome == CommandOutcome::Cancelled) {
        err << "varnel-cli " << name << ": the reading stopped before its end\n";
        return kExitError;
    }
    return status;
}

}  // namespace varnel::cli
