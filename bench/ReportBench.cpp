// The configuration report of the full 80-unit system (every unit, every station, every
// zone and group) printed to a PDF file without a window: building the report from the
// table models, laying it out, and drawing every page.
#include "ConfigReport.h"
#include "FullSystem.h"
#include "ReportPrinter.h"
#include "ResourceChain.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

void fullSystemToPdf(benchmark::State& state)
{
    bench::FullSystem full = bench::buildFullSystem();
    if (!full.error.empty()) {
        state.SkipWithError(full.error.c_str());
        return;
    }
    const ResourceChain resources(QStringLiteral("en"));
    const QString file = QDir::temp().filePath(QStringLiteral("r4000-report-bench.pdf"));
    int pages = 0;
    for (auto _ : state) {
        const ConfigReport report(resources, *full.sys);
        ReportPrinter printer(report, resources, false);
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        pages = printer.print(writer);
    }
    QFile::remove(file);
    state.counters["pages"] = pages;
}
BENCHMARK(fullSystemToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
