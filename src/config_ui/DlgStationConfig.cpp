#include "DlgStationConfig.h"

#include "DlgScanMonitor.h"
#include "DlgStnFunction.h"
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
    ExchangeLabel,
    LineLabel,
    FunctionTab,
    SpeedDialTab,
    ScanMonitorTab
};

// A line as the selection lists it: its number, then the station's number, name and model.
QString lineText(const Station& station, int codePage)
{
    QStringList parts{QString::number(station.id())};
    if (!station.isNone())
        parts << QString::fromStdString(station.number())
              << ModelText::toUi(station.name(), codePage)
              << QString::fromLatin1(station.displayName().data(),
                                     qsizetype(station.displayName().size()));
    parts.removeAll(QString());
    return parts.join(QStringLiteral("  "));
}

} // namespace

DlgStationConfig::DlgStationConfig(const ResourceChain& resources, const UserMessages& messages,
                                   Locale locale, QWidget* parent)
    : QWidget(parent), locale_(std::move(locale)), exchanges_(new QComboBox(this)),
      lines_(new QComboBox(this)), tabs_(new QTabWidget(this)),
      function_(new DlgStnFunction(resources, messages)),
      speedDial_(new DlgStnSpeedDial(resources, messages)),
      scanMonitor_(new DlgScanMonitor(resources, messages)), pages_{function_, speedDial_,
                                                                    scanMonitor_},
      observer_(new ModelObserver(this))
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::StationConfig, control);
    };
    auto* selection = new QGroupBox(text(SelectionGroup), this);
    auto* selectionLayout = new QHBoxLayout(selection);
    selectionLayout->setContentsMargins(8, 2, 8, 2);
    exchanges_->setObjectName(QStringLiteral("exchange"));
    lines_->setObjectName(QStringLiteral("line"));
    exchanges_->setMinimumContentsLength(14);
    lines_->setMinimumContentsLength(28);
    // Eighty exchanges stay one short list to scroll.
    exchanges_->setMaxVisibleItems(20);
    lines_->setMaxVisibleItems(16);
    auto* exchangeLabel = new QLabel(text(ExchangeLabel), selection);
    exchangeLabel->setBuddy(exchanges_);
    auto* lineLabel = new QLabel(text(LineLabel), selection);
    lineLabel->setBuddy(lines_);
    selectionLayout->addWidget(exchangeLabel);
    selectionLayout->addWidget(exchanges_);
    selectionLayout->addSpacing(16);
    selectionLayout->addWidget(lineLabel);
    selectionLayout->addWidget(lines_);
    selectionLayout->addStretch();

    const int tabTexts[TabCount] = {FunctionTab, SpeedDialTab, ScanMonitorTab};
    for (int tab = 0; tab < TabCount; ++tab) {
        addScrollingTab(*tabs_, pages_[std::size_t(tab)], text(tabTexts[tab]));
    }
    tabs_->setObjectName(QStringLiteral("stationTabs"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(selection);
    layout->addWidget(tabs_);

    connect(exchanges_, &QComboBox::activated, this,
            [this](int index) { selectStation(exchanges_->itemData(index).toInt(), 0); });
    connect(lines_, &QComboBox::activated, this,
            [this](int index) { selectStation(unit_, lines_->itemData(index).toInt()); });
    connect(observer_, &ModelObserver::changed, this, &DlgStationConfig::refresh);
}

void DlgStationConfig::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    refresh();
}

void DlgStationConfig::detach()
{
    observer_->release();
    system_ = nullptr;
    for (StationPage* page : pages_)
        page->setStation(nullptr);
    fillSelection();
}

bool DlgStationConfig::commitField(int field)
{
    return pages_[std::size_t(tabs_->currentIndex())]->commitField(field);
}

bool DlgStationConfig::isExchange(int unit) const
{
    return system_ && unit >= 1 && unit <= system_->registeredCount() &&
           system_->equipment(unit)->isExchange();
}

void DlgStationConfig::refresh()
{
    // The station shown stays shown while its line is one; else the first exchange's is.
    if (!isExchange(unit_)) {
        unit_ = 0;
        for (int n = 1; system_ && n <= system_->registeredCount() && unit_ == 0; ++n)
            if (isExchange(n))
                unit_ = n;
        line_ = 0;
    }
    if (!selectStation(unit_, line_) && !selectStation(unit_, 0)) {
        unit_ = 0;
        line_ = 0;
        fillSelection();
        showSelected();
    }
}

bool DlgStationConfig::selectStation(int unit, int line)
{
    if (!isExchange(unit))
        return false;
    const Exchange& exchange = *system_->equipment(unit);
    // An exchange chosen without a line shows its first station in use.
    for (int n = 1; line == 0 && n <= exchange.stationCount(); ++n)
        if (exchange.station(n)->inUse() && !exchange.station(n)->isNone())
            line = n;
    if (line == 0)
        line = 1;
    if (line < 1 || line > exchange.stationCount())
        return false;
    unit_ = unit;
    line_ = line;
    fillSelection();
    showSelected();
    return true;
}

void DlgStationConfig::fillSelection()
{
    const QSignalBlocker blockExchanges(exchanges_);
    const QSignalBlocker blockLines(lines_);
    exchanges_->clear();
    lines_->clear();
    for (int n = 1; system_ && n <= system_->registeredCount(); ++n)
        if (isExchange(n))
            exchanges_->addItem(QStringLiteral("%1: %2").arg(n).arg(ModelText::toUi(
                                    system_->equipment(n)->exchangeName(), locale_.codePage())),
                                n);
    exchanges_->setCurrentIndex(exchanges_->findData(unit_));
    if (!isExchange(unit_))
        return;
    const Exchange& exchange = *system_->equipment(unit_);
    for (int line = 1; line <= exchange.stationCount(); ++line)
        lines_->addItem(lineText(*exchange.station(line), locale_.codePage()), line);
    lines_->setCurrentIndex(lines_->findData(line_));
}

void DlgStationConfig::showSelected()
{
    // Fetched anew: a model change puts another object on the line.
    Station* station = isExchange(unit_) ? system_->stationAt(unit_, line_) : nullptr;
    for (StationPage* page : pages_)
        page->setStation(station);
}
