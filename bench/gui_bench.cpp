// Start-up of the window program: the main window built, shown and drawn once (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.hpp"

namespace {

void BM_MainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        varnel::app::TFrmmain window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
