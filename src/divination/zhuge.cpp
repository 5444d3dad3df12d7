#include "divination/zhuge.hpp"

#include <algorithm>
#include <vector>

#include "names/grids.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"
#include "store/unscramble.hpp"
#include "text/trim.hpp"
#include "text/utf8.hpp"

namespace varnel {

namespace {

constexpr int kVerses = 384;

}  // namespace

std::string ZhugeNumber(std::string_view c1, std::string_view c2, std::string_view c3) {
    int n = 0;
    for (const std::string_view character : {c1, c2, c3}) {
        const std::string_view trimmed = TrimView(character);
        if (trimmed.empty()) return {};
        const int digit = StrokeCount(trimmed) % 10;
        n = 10 * n + (digit == 0 ? 1 : digit);
    }
    if (n >= 2 * kVerses) {
        n -= 2 * kVerses;
    } else if (n >= kVerses) {
        n -= kVerses;
    }
    std::string text = std::to_string(n);
    return std::string(3 - std::min<std::size_t>(3, text.size()), '0') + text;
}

std::string ZhugeVerse(std::string_view c1, std::string_view c2, std::string_view c3, ZhugePart part) {
    const std::string number = ZhugeNumber(c1, c2, c3);
    const std::string sql = "Select title,content from zhuge where id =" + SqlText(number) + " limit 1";
    const auto row = CancelOnFailure([&] { return QueryFirstRow(BrennFilePath(), sql); });
    if (!row) return {};
    return part == ZhugePart::Title ? row->Trimmed(0) : Unscramble(row->Trimmed(1));
}

void CharacterTestReport(std::string_view characters, ReportSink& report) {
    report.Clear();
    report.AddLine("你测算的三个字是:" + std::string(characters) + " 解析如下...");
    report.AddLine("");
    std::vector<std::string> three = Utf8Characters(characters);
    three.resize(3);
    report.AddLine("    " + ZhugeVerse(three[0], three[1], three[2], ZhugePart::Title));
    report.AddLine("");
    report.AddLine("    " + ZhugeVerse(three[0], three[1], three[2], ZhugePart::Content));
    report.Show();
}

std::string FingerprintReading(std::string_view code) {
    const std::string sql = "Select content from zhiwen where zhiwen =" + SqlText(code);
    const auto row = CancelOnFailure([&] { return QueryFirstRow(BrennFilePath(), sql); });
    return row ? Unscramble(row->Trimmed(0)) : std::string();
}

}  // namespace varnel
