#include "chart/attributes.hpp"

#include <cmath>
#include <cstdio>

#include "calendar/lunar.hpp"
#include "calendar/sexagenary.hpp"
#include "chart/chart.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"
#include "text/gbk.hpp"

namespace varnel {

namespace {

int Mod(int a, int n) { return ((a % n) + n) % n; }

std::string_view Hidden(int branchIndex) {
    return HiddenStems[static_cast<std::size_t>(Mod(branchIndex, 12))];
}

// One swallowed lookup: the first column of the first row, trimmed; empty on any failure.
std::string FirstValue(const std::string& sql) {
    return SwallowFailure([&] {
        const auto row = QueryFirstRow(TgcodePath(), sql);
        return row ? row->Trimmed(0) : std::string();
    });
}

std::string Share(int count) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", count / 8.0);
    return buffer;
}

}  // namespace

void AddChartAttributes(FourPillars& chart, DateTime birthDate) {
    // Year: the branch of the lunar year in which the next month-opening term falls.
    const int j = DaysToMonthOpeningTerm(birthDate, false);
    const int lunarYear = SolarToLunar(birthDate + j).year;
    chart.yearHiddenStems = Hidden(Mod(lunarYear - 1924, 12));
    chart.monthHiddenStems = Hidden(chart.month % 12);
    const int dayIndex = static_cast<int>(birthDate - EncodeDate(1900, 2, 20));
    chart.dayHiddenStems = Hidden(Mod(dayIndex, 12));
    chart.hourHiddenStems = Hidden(static_cast<int>(std::lround((chart.hour + 0.6) / 2)) % 12);

    chart.luckNayin = "纳音：";
    chart.luckTenGods = "十神：";
    for (int k = 0; k < 10; ++k) {
        const std::string pillar = LuckPillarText(chart, k);
        const std::string stem = pillar.substr(0, std::string_view("甲").size());
        chart.luckNayin += NayinOf(pillar) + " ";
        chart.luckTenGods += TenGodOf(chart.dayStemName + stem) + "   ";
    }
}

std::string ElementOfName(std::string_view name) {
    return FirstValue("select wh from hzwh where hz like " + SqlContains(name) + " limit 1");
}

std::string TenGodOf(std::string_view key) {
    return FirstValue("select ShiShen from Shishen where jiazi = '" + std::string(key) + "' limit 1");
}

std::string NayinOf(std::string_view pillar) {
    return FirstValue("select layin from jiazi where jiazi = '" + std::string(pillar) + "' limit 1");
}

std::string GrowthPhaseOf(std::string_view pillar) {
    std::string phase =
        FirstValue("select ws from jiazi where jiazi = '" + std::string(pillar) + "' limit 1");
    if (GbkLength(phase) == 2) phase += "  ";
    return phase;
}

std::string SeasonUsefulGodText(std::string_view element, std::string_view season) {
    return FirstValue("select  sjrs from sjrs where wh = '" + std::string(element) + "' and sj = '" +
                      std::string(season) + "' limit 1");
}

std::string SeasonDayStemText(std::string_view stem, std::string_view branch) {
    return FirstValue("select  content from qtbj where tg = '" + std::string(stem) + "' and dz = '" +
                      std::string(branch) + "' limit 1");
}

std::string ElementCount(std::string_view elements) {
    int counts[5] = {};
    for (const std::size_t position : {1, 3, 8, 10, 15, 17, 22, 24}) {
        const std::string character = GbkCopy(elements, position, 2);
        for (std::size_t e = 0; e < ElementNames.size(); ++e) {
            if (character == ElementNames[e]) ++counts[e];
        }
    }
    std::string text;
    for (std::size_t e = 0; e < ElementNames.size(); ++e) {
        text += std::string(ElementNames[e]) + ":占" + std::to_string(counts[e]) + "个 " + Share(counts[e]);
        text += e + 1 < ElementNames.size() ? ", " : ".";
    }
    return text;
}

int StemBranchIndex(std::string_view name, bool isBranch) {
    if (isBranch) {
        for (std::size_t i = 0; i < BranchNames.size(); ++i) {
            if (BranchNames[i] == name) return static_cast<int>(i);
        }
        return 0;
    }
    for (std::size_t i = 0; i < StemNames.size(); ++i) {
        if (StemNames[i] == name) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace varnel
