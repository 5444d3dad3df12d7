#include "names/three_talents.hpp"

#include <array>

#include "names/grids.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"
#include "store/unscramble.hpp"

namespace varnel {

namespace {

constexpr std::array<double, 7> kScoreOfGrade = {20, 18, 16, 15, 14, 13, 12};

std::optional<Row> TitleRow(std::string_view column, std::string_view title) {
    return QueryFirstRow(BrennFilePath(),
                         "Select " + std::string(column) + " from sancai where title = " + SqlText(title) + " ");
}

}  // namespace

double ThreeTalentsScore(std::string_view title) {
    const int grade = CancelOnFailure([&] {
        const auto row = TitleRow("djc", title);
        return row ? row->Integer(0) : 0;
    });
    if (grade < 1 || grade > static_cast<int>(kScoreOfGrade.size())) return -1;
    return kScoreOfGrade[static_cast<std::size_t>(grade - 1)];
}

std::string ThreeTalentsText(std::string_view title) {
    const auto row = CancelOnFailure([&] { return TitleRow("content", title); });
    if (!row) return std::string(kNoResult);
    return Unscramble(row->Trimmed(0));
}

void ThreeTalentsAction(const BirthInput& input, ReportSink& report) {
    if (input.surname.empty() || input.givenName.empty()) return;
    const std::string title = ThreeTalentsTitle(GridNumber(input.surname, input.givenName, GridKind::HeavenGrid),
                                                GridNumber(input.surname, input.givenName, GridKind::PersonGrid),
                                                GridNumber(input.surname, input.givenName, GridKind::EarthGrid));
    const std::string text = ThreeTalentsText(title);
    report.Clear();
    report.AddLine(input.surname + input.givenName + ",您的三才为" + title + ",经系统分析如下:");
    report.AddLine("");
    report.AddLine("");
    report.AddLine("    " + text);
}

}  // namespace varnel
