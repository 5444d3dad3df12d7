#include "reports/birth_reports.hpp"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/lunar.hpp"
#include "calendar/sexagenary.hpp"
#include "chart/attributes.hpp"
#include "chart/birth_readings.hpp"
#include "chart/chart.hpp"
#include "chart/places.hpp"
#include "chart/true_solar_time.hpp"
#include "chart/spirit_stars.hpp"
#include "store/failure.hpp"
#include "store/paths.hpp"
#include "text/conversion_error.hpp"
#include "text/gbk.hpp"
#include "text/trim.hpp"
#include "text/utf8.hpp"

namespace varnel {

namespace {

constexpr std::string_view kSeparator =
    "<-----------------------批八字内容分隔线----------------------------->";
constexpr std::string_view kShortClosing = "--以上内容紧着参考---------------------------------------------";
constexpr std::string_view kLongClosing =
    "--以上内容紧着参考----------------------------------------------------------";
constexpr std::string_view kBoneWeightHeading =
    "--【袁天罡称骨算命】--------------------------------------------------------";
constexpr std::string_view kBloodTypeHeading =
    "--【血型论命】--------------------------------------------------------------";
constexpr std::array<std::string_view, 12> kMonthBranchCells = {
    "寅 ", "卯 ", "辰 ", "巳 ", "午 ", "未 ", "申 ", "酉 ", "戌 ", "亥 ", "子 ", "丑"};
constexpr std::string_view kThree = "   ";

enum class Variant { Detailed, Information };

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

int Mod(int a, int n) { return ((a % n) + n) % n; }

std::string PillarOf(std::string_view stem, std::string_view branch) {
    return std::string(stem) + std::string(branch);
}

// The ten rows of the annual and minor-luck tables: column 0 holds the years before the first
// luck period (rows below the starting age are empty there), column k + 1 the years of the
// luck period that begins at age N + 10k.
template <typename Cell>
std::string LuckTableLine(int r, int n, std::string_view firstLabel, Cell cell) {
    std::string line;
    if (r < n) {
        line = std::string(r == 0 ? firstLabel : std::string_view("      ")) + cell(r);
        for (int k = 0; k <= 8; ++k) line += std::string(kThree) + cell(n + 10 * k + r);
    } else {
        line = Blanks(13) + cell(n + r);
        for (int k = 1; k <= 8; ++k) line += std::string(kThree) + cell(n + 10 * k + r);
    }
    return line;
}

class BirthReportWriter {
public:
    explicit BirthReportWriter(BirthReportContext& context)
        : ctx_(context), in_(context.input), c_(context.chart), out_(context.report) {}

    // Items 1 to 37 of the detailed report, with the differences of the information report.
    void WriteBody(Variant variant) {
        const bool detailed = variant == Variant::Detailed;
        const std::string minuteText = Trim(ctx_.panel.minute);
        const std::string& sex = ctx_.panel.sex;
        const std::string date = FormatDate(ParseDateText(in_.solarDateText));

        out_.Clear();
        out_.AddLine("姓名：" + in_.surname + in_.givenName + "  性别：" + sex + "  生肖：" + in_.animal +
                     "  星座：" + in_.starSign + "  血型：" + ctx_.panel.bloodType + "  年龄：" +
                     std::to_string(CurrentAge(in_, ctx_.currentYear)) + "岁");
        out_.AddLine("");
        // With true solar time the 公历 line also shows the local time the chart is cast for.
        std::string solarTimeNote;
        std::optional<DateTime> local;
        if (ctx_.panel.trueSolarTime) local = TrueSolarClock(minuteText);
        if (local) {
            const std::string text = FormatDateTime(*local);
            const ClockTime t = DecodeTime(*local);
            solarTimeNote = "  真太阳时（" + place_ + "）：" + text.substr(0, 4) + "年" + text.substr(5, 2) + "月" +
                            text.substr(8, 2) + "日" + std::to_string(t.hour) + "点" + std::to_string(t.minute) + "分";
        }
        out_.AddLine("生日（公历）：" + date.substr(0, 4) + "年" + date.substr(5, 2) + "月" + date.substr(8, 2) +
                     "日" + std::to_string(in_.hourNumber) + "点" + (detailed ? minuteText + "分" : "") + solarTimeNote);
        out_.AddLine("");
        out_.AddLine("生日（农历）：" + Trim(in_.lunarDateText) + GbkCopy(in_.hourItem, 1, 2) + "时" +
                     (detailed ? minuteText + "分" : ""));

        year_ = ParseInt(in_.yearText);
        const CivilDate birth = DecodeDate(ParseDateText(in_.solarDateText));
        month_ = birth.month;
        day_ = birth.day;
        minute_ = BirthMinute(minuteText);
        chart_ = {year_, month_, day_, in_.hourNumber, minute_};
        if (ctx_.panel.trueSolarTime) {
            if (!local) throw CommandCancelled();
            const CivilDate d = DecodeDate(*local);
            const ClockTime t = DecodeTime(*local);
            chart_ = {d.year, d.month, d.day, t.hour, t.minute};
        }
        ComputeChart(chart_.year, chart_.month, chart_.day, chart_.hour, chart_.minute, sex, c_, ctx_.notifier,
                     ChartOptions{ctx_.panel.lateZiNextDay});

        const std::string yearPillar = PillarOf(c_.yearStemName, c_.yearBranchName);
        const std::string monthPillar = PillarOf(c_.monthStemName, c_.monthBranchName);
        const std::string dayPillar = PillarOf(c_.dayStemName, c_.dayBranchName);
        const std::string hourPillar = PillarOf(c_.hourStemName, c_.hourBranchName);

        out_.AddLine("");
        out_.AddLine("胎元：" + Trim(c_.conceptionPillar) + "(" + NayinOf(Trim(c_.conceptionPillar)) + ")");
        out_.AddLine("");
        out_.AddLine("起运：" + c_.startAgeText + "岁");
        out_.AddLine("");
        out_.AddLine("十神：" + TenGod(c_.yearStemName) + std::string(kThree) + TenGod(c_.monthStemName) +
                     std::string(kThree) + "日元" + std::string(kThree) + TenGod(c_.hourStemName));
        out_.AddLine("八字：" + yearPillar + std::string(kThree) + monthPillar + std::string(kThree) + dayPillar +
                     std::string(kThree) + hourPillar);
        WriteHiddenStems();
        if (detailed) {
            out_.AddLine("旺衰：" + GrowthPhaseOf(yearPillar) + std::string(kThree) + GrowthPhaseOf(monthPillar) +
                         std::string(kThree) + GrowthPhaseOf(dayPillar) + std::string(kThree) +
                         GrowthPhaseOf(hourPillar));
        } else {
            out_.AddLine("");
        }
        const std::string elements = ElementOfName(c_.yearStemName) + ElementOfName(c_.yearBranchName) +
                                     std::string(kThree) + ElementOfName(c_.monthStemName) +
                                     ElementOfName(c_.monthBranchName) + std::string(kThree) +
                                     ElementOfName(c_.dayStemName) + ElementOfName(c_.dayBranchName) +
                                     std::string(kThree) + ElementOfName(c_.hourStemName) +
                                     ElementOfName(c_.hourBranchName);
        out_.AddLine("五行：" + elements);
        out_.AddLine("纳音：" + NayinOf(yearPillar) + " " + NayinOf(monthPillar) + " " + NayinOf(dayPillar) + " " +
                     NayinOf(hourPillar));
        out_.AddLine("");
        out_.AddLine(c_.luckNayin);
        out_.AddLine(c_.luckTenGods);
        out_.AddLine("大运：" + c_.luckPillars);

        n_ = ParseInt(c_.startAgeText);
        WriteAgeHeader();
        std::string starts = "始于：" + in_.yearText;
        for (int k = 0; k <= 8; ++k) starts += std::string(kThree) + std::to_string(year_ + n_ + 10 * k);
        out_.AddLine(starts);
        out_.AddLine("");

        const int ly = in_.lunarDate.year;
        auto annual = [ly](int a) { return YearPillarText(ly + a); };
        for (int r = 0; r < 10; ++r) out_.AddLine(LuckTableLine(r, n_, "流年：", annual));

        out_.AddLine("");
        out_.AddLine("四柱神煞：");
        out_.AddLine("");
        const std::array<std::string_view, 4> rowLabels = {"年柱：", "月柱：", "日柱：", "时柱："};
        for (int pillar = 0; pillar < 4; ++pillar) {
            out_.AddLine(std::string(rowLabels[static_cast<std::size_t>(pillar)]) +
                         SpiritStarRow(c_, pillar, ShenshaDir()));
        }
        out_.AddLine("");

        auto minorLuck = [this](int a) {
            const int step = c_.backward == 1 ? -a : a;
            return std::string(StemByNumber[static_cast<std::size_t>(Mod(c_.hourStem + step, 10))]) +
                   std::string(BranchByNumber[static_cast<std::size_t>(Mod(c_.hourBranch + step, 12))]);
        };
        auto age = [this, ly](int a) { return AgeLabel(in_, ly + a); };
        for (int r = 0; r < 10; ++r) {
            out_.AddLine(LuckTableLine(r, n_, "小运：", minorLuck));
            out_.AddLine(LuckTableLine(r, n_, "      ", age));
        }
        out_.AddLine("");

        WriteSeasonLine(variant);
        out_.AddLine("");
        out_.AddLine("穷通宝鉴调候用神：" + c_.dayStemName + ElementOfName(c_.dayStemName) + "生于" +
                     c_.monthBranchName + "月，" + SeasonDayStemText(c_.dayStemName, c_.monthBranchName));
        out_.AddLine("");
        out_.AddLine("八字五行个数：" + ElementCount(elements));
    }

    // Items 38 to 51 of the detailed report.
    void WriteDetailedTail() {
        WriteSeparatorBlock();
        out_.AddLine("流年流月  ：正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 冬月 腊月");
        out_.AddLine("");
        WriteMonthPillarsOfTheYears();
        WriteSeparatorBlock();
        out_.AddLine("袁天罡称骨算命：");
        int boneMonth = in_.lunarDate.month;
        if (c_.beforeTerm == -1) boneMonth = boneMonth == 1 ? 12 : boneMonth - 1;
        WriteBoneWeight(boneMonth);
        out_.AddLine("");
        WritePersonalityBlock(chart_.year, chart_.month, chart_.day, chart_.hour, chart_.minute, ctx_.panel.sex, c_,
                              out_, ctx_.notifier, ChartOptions{ctx_.panel.lateZiNextDay});
        WriteSeparatorBlock();
        out_.AddLine("血型论命:");
        out_.AddLine("");
        out_.AddLine("    " + std::string(BloodTypeReading(in_.bloodType)));
        out_.AddLine("");
    }

    void WriteInformationTail(BirthInformationKind kind) {
        out_.AddLine("");
        switch (kind) {
            case BirthInformationKind::Plain:
                out_.AddLine("");
                out_.AddLine(kShortClosing);
                return;
            case BirthInformationKind::BoneWeight:
                out_.AddLine("");
                out_.AddLine(kBoneWeightHeading);
                WriteBoneWeight(in_.lunarDate.month);
                break;
            case BirthInformationKind::BloodType:
                out_.AddLine("");
                out_.AddLine(kBloodTypeHeading);
                out_.AddLine("    " + std::string(BloodTypeReading(in_.bloodType)));
                break;
        }
        out_.AddLine("");
        out_.AddLine(kLongClosing);
        out_.ScrollToTop();
    }

private:
    std::string TenGod(std::string_view stem) const { return TenGodOf(c_.dayStemName + std::string(stem)); }

    void WriteHiddenStems() {
        const std::array<const std::string*, 4> hidden = {&c_.yearHiddenStems, &c_.monthHiddenStems,
                                                          &c_.dayHiddenStems, &c_.hourHiddenStems};
        std::string first = "遁藏：";
        for (std::size_t i = 0; i < hidden.size(); ++i) {
            const auto stems = Utf8Characters(*hidden[i]);
            const std::string stem = stems.empty() ? std::string() : stems[0];
            first += (i > 0 ? " " : "") + stem + TenGod(stem);
        }
        out_.AddLine(first);
        for (std::size_t position = 1; position <= 2; ++position) {
            std::string line = Blanks(6);
            for (const std::string* x : hidden) {
                const auto stems = Utf8Characters(*x);
                line += position < stems.size() ? stems[position] + TenGod(stems[position]) + " " : Blanks(7);
            }
            out_.AddLine(line);
        }
    }

    void WriteAgeHeader() {
        if (c_.startAgeText == "1") {
            out_.AddLine("      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
            return;
        }
        std::string header = "      1-" + std::to_string(n_ - 1) + "岁";
        for (int k = 0; k <= 8; ++k) header += std::string(kThree) + std::to_string(n_ + 10 * k) + "岁";
        out_.AddLine(header);
    }

    void WriteSeasonLine(Variant variant) {
        struct Season {
            std::string_view name;
            std::string_view phrase;
        };
        constexpr std::array<Season, 4> kSeasons = {
            {{"春", "生于春季，"}, {"夏", "生于夏季，"}, {"秋", "生于秋季，"}, {"冬", "生于冬季，"}}};
        int season = -1;
        std::string_view label = "用神喜忌：日主天干";
        if (variant == Variant::Detailed) {
            // By the lunar month; a leap month matches none of the month texts.
            if (!in_.lunarDate.isLeap && in_.lunarDate.month >= 1 && in_.lunarDate.month <= 12) {
                season = (in_.lunarDate.month - 1) / 3;
            }
        } else {
            label = "四季用神：日主天干";
            const int month = ParseInt(in_.monthText);
            season = month < 4 ? 0 : month <= 6 ? 1 : month <= 9 ? 2 : 3;
        }
        if (season < 0) return;
        const Season& s = kSeasons[static_cast<std::size_t>(season)];
        const std::string element = ElementOfName(c_.dayStemName);
        out_.AddLine(std::string(label) + element + std::string(s.phrase) +
                     SeasonUsefulGodText(element, s.name) + "。");
    }

    void WriteMonthPillarsOfTheYears() {
        const int ly = in_.lunarDate.year;
        const int k0 = Mod((ly - 1901) * 12 + 6, 10);
        for (int i = 0; i < n_ + 90; ++i) {
            std::string line = std::to_string(ly + i) + "(" + YearPillarText(ly + i) + ")：";
            for (int m = 0; m < 12; ++m) {
                line += std::string(StemNames[static_cast<std::size_t>(Mod(k0 + 12 * i + m, 10))]) +
                        std::string(kMonthBranchCells[static_cast<std::size_t>(m)]);
            }
            out_.AddLine(line);
        }
    }

    void WriteBoneWeight(int lunarMonth) {
        for (int mode = 0; mode < 3; ++mode) {
            out_.AddLine(BoneWeightReading(std::to_string(in_.lunarDate.year), std::to_string(lunarMonth),
                                           std::to_string(in_.lunarDate.day), std::to_string(in_.hourNumber),
                                           mode));
        }
    }

    void WriteSeparatorBlock() {
        out_.AddLine("");
        out_.AddLine(kSeparator);
        out_.AddLine("");
    }

    BirthReportContext& ctx_;
    BirthInput& in_;
    FourPillars& c_;
    ReportSink& out_;
    // The minute as a number 0-59. Anything else ends the report here, after the lunar line,
    // with a notice that says why.
    int BirthMinute(const std::string& minuteText) {
        try {
            const int minute = ParseInt(minuteText);
            if (minute >= 0 && minute <= 59) return minute;
        } catch (const ConversionError&) {
        }
        ctx_.notifier.ShowNotice(kMinuteNotice);
        throw CommandCancelled();
    }

    // The birthplace's true solar time of the birth, or nothing when the minute is not a number
    // (the report then ends after the lunar line, as without the option). A place that vanished
    // since the check before the report ends the report.
    std::optional<DateTime> TrueSolarClock(const std::string& minuteText) {
        const auto place = FindPlace(ctx_.panel.birthplace);
        if (!place) throw CommandCancelled();
        place_ = place->name;
        try {
            const CivilDate birth = DecodeDate(ParseDateText(in_.solarDateText));
            return TrueSolarMoment(
                EncodeDateTime(birth.year, birth.month, birth.day, in_.hourNumber, ParseInt(minuteText)),
                place->longitude);
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    }

    std::string place_;
    // The moment the chart is cast for: the clock time, or the birthplace's true solar time.
    struct Moment {
        int year, month, day, hour, minute;
    } chart_{};
    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
    int minute_ = 0;
    int n_ = 0;
};

// Runs a report writer; any error ends the report silently with the lines written so far.
template <typename Write>
void Guarded(Write write) {
    try {
        write();
    } catch (...) {
    }
}

}  // namespace

void WriteDetailedReport(BirthReportContext& context) {
    Guarded([&] {
        BirthReportWriter writer(context);
        writer.WriteBody(Variant::Detailed);
        writer.WriteDetailedTail();
    });
}

void WriteBirthInformationReport(BirthReportContext& context, BirthInformationKind kind) {
    Guarded([&] {
        BirthReportWriter writer(context);
        writer.WriteBody(Variant::Information);
        writer.WriteInformationTail(kind);
    });
}

bool BirthplaceAccepted(const BirthPanel& panel, Notifier& notifier) {
    if (!panel.trueSolarTime) return true;
    if (Trim(panel.birthplace).empty()) {
        notifier.ShowNotice("请选择出生地!");
        return false;
    }
    if (!FindPlace(panel.birthplace)) {
        notifier.ShowNotice("没有找到这个出生地，请从列表中选择!");
        return false;
    }
    return true;
}

void DetailedReportAction(BirthReportContext& context) {
    if (!AcceptBirthInput(context.panel, true, context.input, context.notifier)) return;
    if (!BirthplaceAccepted(context.panel, context.notifier)) return;
    WriteDetailedReport(context);
    context.report.Show();
    context.report.ScrollToTop();
}

void BirthInformationAction(BirthReportContext& context, BirthInformationKind kind) {
    if (!AcceptBirthInput(context.panel, true, context.input, context.notifier)) return;
    if (!BirthplaceAccepted(context.panel, context.notifier)) return;
    WriteBirthInformationReport(context, kind);
}

}  // namespace varnel
