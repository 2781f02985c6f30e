#include "DlgIPStationConfig.h"

#include "DlgExNetwork.h"
#include "DlgScanMonitor.h"
#include "DlgStnFunction.h"
#include "DlgStnMsg.h"
#include "DlgStnSpeedDial.h"
#include "Exchange.h"
#include "ModelObserver.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ScrollingTab.h"
#include "Station.h"
#include "System.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

enum Text {
    SelectionGroup = 2,
    UnitLabel,
    NetworkTab,
    FunctionTab,
    SpeedDialTab,
    ScanMonitorTab,
    MessageTab
};

// An IP station holds its one station on line 1.
constexpr int kLine = 1;

} // namespace

DlgIPStationConfig::DlgIPStationConfig(const ResourceChain& resources, const UserMessages& messages,
                                       Locale locale, QWidget* parent)
    : QWidget(parent), locale_(std::move(locale)), units_(new QComboBox(this)),
      tabs_(new QTabWidget(this)), network_(new DlgExNetwork(resources, messages)),
      function_(new DlgStnFunction(resources, messages)),
      speedDial_(new DlgStnSpeedDial(resources, messages)),
      scanMonitor_(new DlgScanMonitor(resources, messages)),
      message_(new DlgStnMsg(resources, messages)), stationPages_{function_, speedDial_,
                                                                  scanMonitor_, message_},
      observer_(new ModelObserver(this))
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::IPStationConfig, control);
    };
    auto* selection = new QGroupBox(text(SelectionGroup), this);
    auto* selectionLayout = new QHBoxLayout(selection);
    selectionLayout->setContentsMargins(8, 2, 8, 2);
    units_->setObjectName(QStringLiteral("ipStation"));
    units_->setMinimumContentsLength(24);
    units_->setMaxVisibleItems(20);
    auto* unitLabel = new QLabel(text(UnitLabel), selection);
    unitLabel->setBuddy(units_);
    selectionLayout->addWidget(unitLabel);
    selectionLayout->addWidget(units_);
    selectionLayout->addStretch();

    const std::array<QWidget*, TabCount> pages{network_, function_, speedDial_, scanMonitor_,
                                               message_};
    const int tabTexts[TabCount] = {NetworkTab, FunctionTab, SpeedDialTab, ScanMonitorTab,
                                    MessageTab};
    for (int tab = 0; tab < TabCount; ++tab) {
        addScrollingTab(*tabs_, pages[std::size_t(tab)], text(tabTexts[tab]));
    }
    tabs_->setObjectName(QStringLiteral("ipStationTabs"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(selection);
    layout->addWidget(tabs_);

    connect(units_, &QComboBox::activated, this,
            [this](int index) { selectUnit(units_->itemData(index).toInt()); });
    connect(observer_, &ModelObserver::changed, this, &DlgIPStationConfig::refresh);
}

void DlgIPStationConfig::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    refresh();
}

void DlgIPStationConfig::detach()
{
    observer_->release();
    system_ = nullptr;
    network_->setUnit(nullptr);
    for (StationPage* page : stationPages_)
        page->setStation(nullptr);
    fillSelection();
}

bool DlgIPStationConfig::commitField(int field)
{
    const int tab = tabs_->currentIndex();
    return tab == Network ? network_->commitField(field)
                          : stationPages_[std::size_t(tab - Function)]->commitField(field);
}

bool DlgIPStationConfig::isIPStation(int unit) const
{
    return system_ && unit >= 1 && unit <= system_->registeredCount() &&
           system_->equipment(unit)->isIPStation();
}

void DlgIPStationConfig::refresh()
{
    // The IP station shown stays shown while it is one; else the first IP station is.
    if (!isIPStation(unit_)) {
        unit_ = 0;
        for (int n = 1; system_ && n <= system_->registeredCount() && unit_ == 0; ++n)
            if (isIPStation(n))
                unit_ = n;
    }
    fillSelection();
    showSelected();
}

bool DlgIPStationConfig::selectUnit(int number)
{
    if (!isIPStation(number))
        return false;
    unit_ = number;
    fillSelection();
    showSelected();
    return true;
}

void DlgIPStationConfig::fillSelection()
{
    const QSignalBlocker block(units_);
    units_->clear();
    for (int n = 1; system_ && n <= system_->registeredCount(); ++n) {
        if (!isIPStation(n))
            continue;
        const Exchange& unit = *system_->equipment(n);
        QString shown = QStringLiteral("%1: %2").arg(n).arg(
            ModelText::toUi(unit.exchangeName(), locale_.codePage()));
        if (const std::string& number = unit.station(kLine)->number(); !number.empty())
            shown += QStringLiteral("  ") + QString::fromStdString(number);
        units_->addItem(shown, n);
    }
    units_->setCurrentIndex(units_->findData(unit_));
}

void DlgIPStationConfig::showSelected()
{
    Exchange* unit = isIPStation(unit_) ? system_->equipment(unit_) : nullptr;
    // Fetched anew: a model change puts another object on the line.
    Station* station = unit ? system_->stationAt(unit_, kLine) : nullptr;
    network_->setUnit(unit);
    for (StationPage* page : stationPages_)
        page->setStation(station);
    tabs_->setTabVisible(Message, station && DlgStnMsg::pagesMessages(*station));
}
