#include "DlgScanMonitor.h"

#include "ResourceIds.h"
#include "Station.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <iterator>
#include <string>
#include <vector>

namespace {

enum Text { MonitoringTimeLabel = 1, GroupTitle };

constexpr int kBands = 2;
constexpr int kPositionsPerBand = DlgScanMonitor::kPositions / kBands;

} // namespace

DlgScanMonitor::DlgScanMonitor(const ResourceChain& resources, const UserMessages& messages,
                               QWidget* parent)
    : StationPage(resources, messages, DialogId::ScanMonitor, parent)
{
    QLineEdit* time = addNumberField(
        MonitoringTime, QStringLiteral("monitoringTime"), 1, 10,
        [](const Station& station) { return station.monitoringTime(); },
        [](Station& station, int seconds) { return station.setMonitoringTime(seconds); },
        "mon_time");
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(label(MonitoringTimeLabel, time));
    timeRow->addWidget(time);
    timeRow->addStretch();

    // A row per group, its positions in two bands of eight under their numbers, so the
    // sixty-four fields fit the tool's window.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    QLineEdit* fields[kGroups][kPositions] = {};
    for (int band = 0; band < kBands; ++band) {
        const int top = band * (kGroups + 2);
        for (int column = 1; column <= kPositionsPerBand; ++column) {
            auto* number = new QLabel(QString::number(band * kPositionsPerBand + column), this);
            number->setAlignment(Qt::AlignCenter);
            grid->addWidget(number, top, column);
        }
        for (int group = 1; group <= kGroups; ++group) {
            grid->addWidget(new QLabel(text(GroupTitle).arg(group), this), top + group, 0);
            for (int column = 1; column <= kPositionsPerBand; ++column) {
                const int position = band * kPositionsPerBand + column;
                // Announced under the key the settings file gives the position.
                const std::string key =
                    "mon_grp" + std::to_string(group) + "_sta" + std::to_string(position);
                QLineEdit* edit = addStationField(
                    entry(group, position), QStringLiteral("monitor%1_%2").arg(group).arg(position),
                    [group, position](const Station& station) {
                        return station.monitoringEntry(group, position);
                    },
                    [group, position](Station& station, Station* target) {
                        return station.setMonitoringEntry(group, position, target);
                    },
                    key);
                grid->addWidget(edit, top + group, column);
                fields[group - 1][position - 1] = edit;
            }
        }
        grid->setRowMinimumHeight(top + kGroups + 1, 12);
    }
    // Tab goes through a group's sixteen positions before the next group.
    std::vector<QWidget*> order{time};
    for (const auto& group : fields)
        order.insert(order.end(), std::begin(group), std::end(group));
    chainTabOrder(order);
    grid->setColumnStretch(kPositionsPerBand + 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(timeRow);
    layout->addLayout(grid);
    layout->addStretch();
}

bool DlgScanMonitor::appliesTo(const Station& station) const
{
    return !station.isDoorStation();
}
