#include "names/name_report.hpp"

#include <array>
#include <cstdio>

#include "names/numerology.hpp"
#include "names/three_talents.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"

namespace varnel {

namespace {

const std::string kSeparator(65, '-');
const std::string kClosing = "--以上测算紧着参考" + std::string(48, '-');

struct GridBlock {
    GridKind kind;
    std::string_view name;
    std::string_view sentence;
};

// The grids in the order the report reads them.
constexpr std::array<GridBlock, 5> kGridBlocks = {{
    {GridKind::HeavenGrid, "天格", "的解析】：天格数是先祖留传下来的，其数理对人影响不大。"},
    {GridKind::PersonGrid, "人格", "的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
    {GridKind::EarthGrid, "地格", "的解析】：地格数又称前运，影响人生（49岁）以前的命运。"},
    {GridKind::TotalGrid, "总格", "的解析】：总格又称后运，影响人生（50岁）以后的命运。 "},
    {GridKind::OuterGrid, "外格", "的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
}};

struct Band {
    double from;
    std::string_view advice;
    std::string_view verdict;
};

// From the best band down; the first whose lower bound the score reaches applies.
constexpr std::array<Band, 8> kBands = {{
    {95,
     "此名五格数理俱佳，三才配置相生有序，字义与音韵也见用心，是难得的好名。名字只是助力，仍须以勤勉和德行去"
     "兑现它的福气；平日书写签名宜端正清晰，让名字保持完整与庄重。",
     "数理与三才几近完满，属上上之名，无须更改，安心使用即可。"},
    {90,
     "五格之中吉数居多，人格与总格得位，三才也大体顺畅，名字端正有力，对事业与人缘都有扶持。个别格数稍有欠缺，"
     "可在为人处世上多加留意，以长补短。",
     "属上吉之名，配置良好，可放心使用。"},
    {85,
     "名字的主运与后运较为稳健，整体吉多凶少。即使某一格数偏弱，影响也多在局部，例如早年辛劳或人际上偶有摩擦，"
     "可凭后天努力化解，不必急于改名。",
     "属吉名，优点明显，小有不足。"},
    {80,
     "名字吉凶参半而略偏吉，部分格数带有波折之象。宜重视薄弱一格所提示的方面：地格欠佳则早年多打基础，总格欠佳"
     "则中年以后注意守成，凡事稳中求进。",
     "属中吉之名，尚可使用；若为新生儿取名，可再斟酌。"},
    {75,
     "名字数理中平，有可取之处也有明显短板，三才配合不算顺畅。已用多年的名字，重在修身与勤勉；尚在取名阶段的，"
     "可选用笔画更为吉利的字加以调整。",
     "属中平之名，助力有限，可考虑优化用字。"},
    {70,
     "名字中凶数偏多，或人格、总格等关键之格不够理想，容易带来多波折、少助力的暗示。宜在用字上重新权衡，兼顾字义、"
     "音韵与五格三才，使之互相配合。",
     "属中下之名，建议调整用字。"},
    {60,
     "名字数理欠佳，吉数稀少，三才配置也有相克之象。名字虽不能决定一生，但配置失衡的名字难以为人加分。条件允许时，"
     "可结合生辰八字重新斟酌，另择佳名。",
     "属欠佳之名，宜考虑改名或另取别名。"},
    {-1000,
     "名字各格多落凶数，三才配置失和，数理暗示的阻力较大。不必因此忧虑，命运更多取决于自己的选择与努力；若能换用"
     "一个数理吉祥、寓意美好的名字，对心境与信心都会有所裨益。",
     "属不佳之名，建议重新取名。"},
}};

const Band& BandOf(double score) {
    for (const Band& band : kBands) {
        if (score >= band.from) return band;
    }
    return kBands.back();
}

}  // namespace

double GridScore(int number, GridKind kind) {
    const double weight = kind == GridKind::PersonGrid ? 30 : kind == GridKind::TotalGrid ? 20 : 10;
    const std::string_view luck = LuckClass(number);
    if (luck == "吉") return weight;
    if (luck == "半吉") return weight * 0.85;
    if (luck == "凶") return weight * 0.7;
    return 0;
}

std::string ScoreText(double score) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", score);
    return buffer;
}

std::string_view OverallAdvice(double score) { return BandOf(score).advice; }

std::string OverallVerdict(double score) {
    return "本姓名综合评分为" + ScoreText(score) + "分，" + std::string(BandOf(score).verdict);
}

void NameReport(const BirthPanel& panel, BirthInput& input, ReportSink& report, Notifier& notifier,
                int currentYear) {
    if (!AcceptBirthInput(panel, false, input, notifier)) return;
    report.Clear();
    report.AddLine(BirthSummaryLine(input, currentYear));
    report.AddLine("");

    const std::string& surname = input.surname;
    const std::string& given = input.givenName;
    std::array<int, 5> numbers{};
    for (int kind = 0; kind < 5; ++kind) numbers[static_cast<std::size_t>(kind)] = GridNumber(surname, given, kind);
    auto number = [&](GridKind kind) { return numbers[static_cast<std::size_t>(kind)]; };
    const std::string title =
        ThreeTalentsTitle(number(GridKind::HeavenGrid), number(GridKind::PersonGrid), number(GridKind::EarthGrid));

    report.AddLine(kSeparator);
    report.AddLine("");
    report.AddLine("【评分分析】");
    report.AddLine("");
    struct ScoreLine {
        std::string_view label;
        GridKind kind;
        std::string_view outOf;
    };
    constexpr std::array<ScoreLine, 5> kScoreLines = {{{"天格: ", GridKind::HeavenGrid, " 得分(总分10)："},
                                                       {"地格: ", GridKind::EarthGrid, " 得分(总分10)："},
                                                       {"人格: ", GridKind::PersonGrid, " 得分(总分30)："},
                                                       {"总格: ", GridKind::TotalGrid, " 得分(总分20)："},
                                                       {"外格: ", GridKind::OuterGrid, " 得分(总分10)："}}};
    double total = 0;
    for (const ScoreLine& line : kScoreLines) {
        const int n = number(line.kind);
        const double score = GridScore(n, line.kind);
        total += score;
        report.AddLine(std::string(line.label) + std::to_string(n) + " " + std::string(LuckClass(n)) +
                       std::string(line.outOf) + ScoreText(score));
    }
    const double talents = ThreeTalentsScore(title);
    total += talents;
    report.AddLine("三才: " + title + "得分(总分20)：" + ScoreText(talents));
    report.AddLine("综合总分: " + ScoreText(total));
    report.AddLine("");
    report.AddLine(kSeparator);
    report.AddLine("");

    for (const GridBlock& block : kGridBlocks) {
        const int n = number(block.kind);
        report.AddLine("【" + std::string(block.name) + std::to_string(n) + std::string(block.sentence));
        report.AddLine("");
        report.AddLine(NumberReading(n, NumberColumn::Verse) + NumberReading(n, NumberColumn::LuckWord));
        report.AddLine("");
        report.AddLine(NumberReading(n, NumberColumn::Reading));
        report.AddLine("");
        if (block.kind != GridKind::OuterGrid) {
            report.AddLine(kSeparator);
            report.AddLine("");
        }
    }

    const auto talentsRow =
        QueryFirstRow(BrennFilePath(), "Select * from sancai2009 where title = '" + title + "' limit 1");
    if (talentsRow) {
        report.AddLine(kSeparator);
        report.AddLine("");
        report.AddLine("【三才数理分析】：您的姓名三才配置为：" + title + "。它具有如下数理诱导力，据此会对人生产生一定的影响。");
        report.AddLine("");
        report.AddLine(talentsRow->Trimmed("yy"));
        report.AddLine("");
        report.AddLine("详细评论:" + talentsRow->Trimmed("xq"));
        report.AddLine("");
        report.AddLine(kSeparator);
        report.AddLine("");
        const std::array<std::pair<std::string_view, std::string_view>, 4> influences = {{
            {"【对基础运的影响】：", "jcy"},
            {"【对成功运的影响】：", "cgy"},
            {"【对人际关系的影响】：", "rjgx"},
            {"【对性格的影响】：", "xg"},
        }};
        for (const auto& [heading, column] : influences) {
            report.AddLine(std::string(heading) + talentsRow->Trimmed(column));
            report.AddLine("");
        }
    }

    report.AddLine(kSeparator);
    report.AddLine("");
    for (const GridBlock& block : kGridBlocks) {
        const int n = number(block.kind);
        report.AddLine("【" + std::string(block.name) + std::to_string(n) + "数理暗示】：" +
                       NumberReading(n, NumberColumn::Implication));
        report.AddLine("");
    }

    report.AddLine(kSeparator);
    report.AddLine("");
    report.AddLine("【总评及建议】:" + std::string(OverallAdvice(total)));
    report.AddLine("");
    report.AddLine("【系统综合评分】: " + OverallVerdict(total));
    report.AddLine("");
    report.AddLine(kClosing);
    report.Show();
    report.ScrollToTop();
}

}  // namespace varnel
