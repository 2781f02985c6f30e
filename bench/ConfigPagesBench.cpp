// The System Setting Tool's pages over the full 80-unit system, on the offscreen platform:
// opening the tool (the pages take the model and are drawn), switching to each page, and an
// edit in the equipment list until every page shows it.
#include "ConfigView.h"
#include "DlgExConfig.h"
#include "DlgSystemConfig.h"
#include "DlgPaging.h"
#include "DlgStationList.h"
#include "DlgSystemList.h"
#include "EquipmentTableModel.h"
#include "FullSystem.h"
#include "ResourceChain.h"
#include "ScriptedDialogs.h"
#include "StationTableModel.h"
#include "UserMessages.h"

#include <QApplication>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

// The tool's two edited pages in their tabs, as the view holds them.
struct Tool {
    ResourceChain resources{QStringLiteral("en")};
    ScriptedDialogs dialogs;
    UserMessages messages{resources, dialogs};
    QTabWidget tabs;
    DlgSystemConfig* general;
    DlgExConfig* exchange;

    explicit Tool(const Locale& locale)
        : general(new DlgSystemConfig(resources, messages, locale)),
          exchange(new DlgExConfig(resources, messages, locale))
    {
        tabs.addTab(general, QStringLiteral("General"));
        tabs.addTab(exchange, QStringLiteral("Exchange"));
        tabs.resize(720, 540);
        tabs.show();
    }

    void attach(System& system)
    {
        general->attach(system);
        exchange->attach(system);
    }
    void detach()
    {
        general->detach();
        exchange->detach();
    }
    // Lays out and paints what is shown, as the window would before the user sees it.
    void draw() { benchmark::DoNotOptimize(tabs.grab()); }
};

bench::FullSystem& fullSystem()
{
    static bench::FullSystem full = bench::buildFullSystem();
    return full;
}

void openTool(benchmark::State& state)
{
    System& system = *fullSystem().sys;
    Tool tool(system.locale());
    for (auto _ : state) {
        tool.attach(system);
        tool.draw();
        state.PauseTiming();
        tool.detach();
        state.ResumeTiming();
    }
}
BENCHMARK(openTool)->Unit(benchmark::kMillisecond);

// Every tab of both pages in turn, each drawn.
void switchPages(benchmark::State& state)
{
    System& system = *fullSystem().sys;
    Tool tool(system.locale());
    tool.attach(system);
    const int generalTabs = tool.general->tabs().count();
    const int exchangeTabs = tool.exchange->tabs().count();
    for (auto _ : state) {
        tool.tabs.setCurrentIndex(0);
        for (int tab = 0; tab < generalTabs; ++tab) {
            tool.general->tabs().setCurrentIndex(tab);
            tool.draw();
        }
        tool.tabs.setCurrentIndex(1);
        for (int tab = 0; tab < exchangeTabs; ++tab) {
            tool.exchange->tabs().setCurrentIndex(tab);
            tool.draw();
        }
    }
    state.counters["pages"] = generalTabs + exchangeTabs;
    state.counters["per_page_ms"] = benchmark::Counter(
        double(generalTabs + exchangeTabs), benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
    tool.detach();
}
BENCHMARK(switchPages)->Unit(benchmark::kMillisecond);

// A name typed into the equipment list of 80 rows until the exchange page shows it.
void editReflected(benchmark::State& state)
{
    System& system = *fullSystem().sys;
    Tool tool(system.locale());
    tool.attach(system);
    tool.tabs.setCurrentIndex(1);
    EquipmentTableModel& table = tool.general->systemList().table();
    const QModelIndex name = table.index(0, EquipmentTableModel::Name);
    int round = 0;
    for (auto _ : state) {
        table.setData(name, QStringLiteral("Ed%1").arg(++round % 1000), Qt::EditRole);
        tool.draw();
    }
    tool.detach();
}
BENCHMARK(editReflected)->Unit(benchmark::kMillisecond);

// The station table of every station of the system, drawn.
void openStationTable(benchmark::State& state)
{
    System& system = *fullSystem().sys;
    Tool tool(system.locale());
    tool.general->tabs().setCurrentIndex(DlgSystemConfig::StationTable);
    DlgStationList& stations = tool.general->stationList();
    for (auto _ : state) {
        stations.attach(system);
        tool.draw();
        state.PauseTiming();
        stations.detach();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(system.registeredCount()) * 16;
}
BENCHMARK(openStationTable)->Unit(benchmark::kMillisecond);

// A station number typed into the table: the duplicates of every row marked again.
void editStationNumber(benchmark::State& state)
{
    System& system = *fullSystem().sys;
    Tool tool(system.locale());
    tool.attach(system);
    tool.general->tabs().setCurrentIndex(DlgSystemConfig::StationTable);
    StationTableModel& table = tool.general->stationList().table();
    const QModelIndex number = table.index(0, StationTableModel::Number);
    const QString numbers[] = {table.data(number, Qt::EditRole).toString(),
                               table.data(table.index(1, StationTableModel::Number),
                                          Qt::EditRole)
                                   .toString()};
    int round = 0;
    for (auto _ : state) {
        // Alternately a duplicate of the next row and the row's own number again.
        table.setData(number, numbers[++round % 2], Qt::EditRole);
        tool.draw();
    }
    tool.detach();
}
BENCHMARK(editStationNumber)->Unit(benchmark::kMillisecond);

// The paging page with every zone the digits can dial (160), drawn.
void openPagingPage(benchmark::State& state)
{
    System& system = *fullSystem().sys;
    system.setPagingDigits(3);
    Tool tool(system.locale());
    auto* paging = new DlgPaging(tool.resources, tool.messages, system.locale());
    tool.tabs.addTab(paging, QStringLiteral("Paging"));
    tool.tabs.setCurrentWidget(paging);
    for (auto _ : state) {
        paging->attach(system);
        tool.draw();
        state.PauseTiming();
        paging->detach();
        state.ResumeTiming();
    }
}
BENCHMARK(openPagingPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
