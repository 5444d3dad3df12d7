#include <string>

#include "cli/cli.hpp"
#include "names/numerology.hpp"
#include "numbers/number_tests.hpp"

namespace varnel::cli {

namespace {

std::string OneNumber(Arguments& args) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one number");
    return words.front();
}

// The four result rows of the QQ and any-number windows.
int VerseRows(Arguments& args, Output& output, const char* numberLabel, const char* emptyMessage) {
    const std::string number = OneNumber(args);
    if (!IsAllDigits(number) || number.size() > 18) {
        CliNotifier(output).ShowNotice(emptyMessage);
        return kExitNotice;
    }
    const VerseParts parts = SplitVerse(VerseOfNumber(number));
    output.Line(numberLabel + number);
    output.Line("状态：" + parts.verse);
    output.Line("吉凶：" + parts.luck);
    output.Line("具体表现：" + parts.reading);
    return kExitOk;
}

}  // namespace

int PhoneCommand(Arguments& args, Output& output) {
    const std::string number = OneNumber(args);
    const auto key = shoujiinfostr(number);
    if (!key || number.size() > 11) {
        CliNotifier(output).ShowNotice("请输入11位手机号码！");
        return kExitNotice;
    }
    const PhoneReading reading = PhoneReadingOfKey(*key);
    output.Line("手机号码是：" + number);
    output.Line("状态：" + reading.title);
    output.Line("吉凶：" + reading.luck);
    output.Line("具体表现：" + reading.content);
    return kExitOk;
}

int QqCommand(Arguments& args, Output& output) { return VerseRows(args, output, "qq号码是：", "请输入你的QQ号码！"); }

int NumberCommand(Arguments& args, Output& output) { return VerseRows(args, output, "输入号码是：", "请输入你的号码！"); }

int QqPairCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 2) throw UsageError("give two QQ numbers");
    for (const std::string& number : words) {
        if (number.size() < 5 || number.size() > 10 || !IsAllDigits(number)) {
            CliNotifier(output).ShowNotice("请输入正确的QQ号码！");
            return kExitNotice;
        }
    }
    output.Line(QqPairingText(words[0], words[1]));
    return kExitOk;
}

}  // namespace varnel::cli
