#include <benchmark/benchmark.h>

#include "calendar/lunar.hpp"
#include "chart/chart.hpp"
#include "divination/almanac_page.hpp"
#include "names/name_report.hpp"
#include "reports/birth_reports.hpp"
#include "reports/command_dispatch.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/unscramble.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

void BM_SolarToLunar(benchmark::State& state) {
    DateTime x = EncodeDate(2099, 6, 1);
    for (auto _ : state) benchmark::DoNotOptimize(SolarToLunar(x));
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    const LunarDate d{2099, 6, 1, false};
    for (auto _ : state) benchmark::DoNotOptimize(LunarToSolar(d));
}
BENCHMARK(BM_LunarToSolar);

void BM_SolarTermOfDate(benchmark::State& state) {
    const DateTime x = EncodeDate(2000, 2, 4);
    for (auto _ : state) benchmark::DoNotOptimize(SolarTermOfDate(x));
}
BENCHMARK(BM_SolarTermOfDate);

void BM_GbkLength(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GbkLength("庚申(猴年)八月初三 生肖:猴"));
}
BENCHMARK(BM_GbkLength);

void BM_Unscramble(benchmark::State& state) {
    const std::string hex = Scramble(std::string(200, 'a') + "称骨算命之法，以年月日时之重相加。");
    for (auto _ : state) benchmark::DoNotOptimize(Unscramble(hex));
}
BENCHMARK(BM_Unscramble);

// One knowledge lookup: open a read-only connection, run one statement, close.
void BM_Lookup(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            QueryFirstRow(TgcodePath(), "select layin from jiazi where jiazi = '甲子' limit 1"));
    }
}
BENCHMARK(BM_Lookup);

class SilentNotifier : public Notifier {
public:
    void ShowNotice(std::string_view) override {}
};

class FailOnError : public ErrorReporter {
public:
    void ShowError(std::string_view message) override { throw std::runtime_error(std::string(message)); }
};

// Every Gregorian day of the table, 1901-01-01 to 2099-12-31, converted to its lunar date.
void BM_SolarToLunarEveryDay(benchmark::State& state) {
    const DateTime first = EncodeDate(1901, 1, 1);
    const DateTime last = EncodeDate(2099, 12, 31);
    for (auto _ : state) {
        for (DateTime x = first; x <= last; x += 1) benchmark::DoNotOptimize(SolarToLunar(x));
    }
}
BENCHMARK(BM_SolarToLunarEveryDay)->Unit(benchmark::kMillisecond);

void BM_ComputeChart(benchmark::State& state) {
    SilentNotifier notifier;
    for (auto _ : state) {
        FourPillars chart;
        ComputeChart(1980, 1, 5, 12, 30, "男", chart, notifier);
        benchmark::DoNotOptimize(chart.dayStem);
    }
}
BENCHMARK(BM_ComputeChart)->Unit(benchmark::kMicrosecond);

// The input panel as it opens, filled with 张 and a given name, born 1980-1-5 at 12:30.
BirthPanel ZhangPanel(const char* givenName) {
    BirthPanel panel;
    panel.surname = "张";
    panel.givenName = givenName;
    panel.day = "5";
    panel.hour = "午 12";
    panel.minute = "30";
    return panel;
}

// 姓名详批 of a two-character given name, run as a command as the windows and the CLI run it.
void BM_NameReport(benchmark::State& state) {
    const BirthPanel panel = ZhangPanel("小明");
    for (auto _ : state) {
        BirthInput input;
        ReportSink report;
        SilentNotifier notifier;
        FailOnError errors;
        RunCommand([&] { NameReport(panel, input, report, notifier, 2026); }, errors);
        benchmark::DoNotOptimize(report.Lines().size());
    }
}
BENCHMARK(BM_NameReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// 黄道吉日: one day looked up in the almanac table.
void BM_AlmanacLookup(benchmark::State& state) {
    SilentNotifier notifier;
    for (auto _ : state) benchmark::DoNotOptimize(LookUpAlmanac("2026", "12", "11", notifier));
}
BENCHMARK(BM_AlmanacLookup)->Unit(benchmark::kMicrosecond);

// The whole 八字分析 reading run as a command: acceptance, chart, every lookup and the rule files.
void BM_DetailedReport(benchmark::State& state) {
    const BirthPanel panel = ZhangPanel("三");
    for (auto _ : state) {
        BirthInput input;
        FourPillars chart;
        ReportSink report;
        SilentNotifier notifier;
        BirthReportContext context{panel, input, chart, report, notifier, 2026};
        FailOnError errors;
        RunCommand([&] { DetailedReportAction(context); }, errors);
        benchmark::DoNotOptimize(report.Lines().size());
    }
}
BENCHMARK(BM_DetailedReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace varnel

BENCHMARK_MAIN();
