#include "DlgExConfig.h"

#include "DlgExClock.h"
#include "DlgExFunction.h"
#include "DlgExNetwork.h"
#include "Exchange.h"
#include "ModelObserver.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ScrollingTab.h"
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

enum Text { SelectionGroup = 1, NumberLabel, NameLabel, NetworkTab, ClockTab, FunctionTab };

} // namespace

DlgExConfig::DlgExConfig(const ResourceChain& resources, const UserMessages& messages,
                         Locale locale, QWidget* parent)
    : QWidget(parent), locale_(std::move(locale)), numbers_(new QComboBox(this)),
      names_(new QComboBox(this)), tabs_(new QTabWidget(this)),
      network_(new DlgExNetwork(resources, messages)), clock_(new DlgExClock(resources, messages)),
      function_(new DlgExFunction(resources, messages)), pages_{network_, clock_, function_},
      observer_(new ModelObserver(this))
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::ExConfig, control);
    };
    auto* selection = new QGroupBox(text(SelectionGroup), this);
    auto* selectionLayout = new QHBoxLayout(selection);
    selectionLayout->setContentsMargins(8, 2, 8, 2);
    numbers_->setObjectName(QStringLiteral("exchangeNumber"));
    names_->setObjectName(QStringLiteral("exchangeName"));
    numbers_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    names_->setMinimumContentsLength(8);
    auto* numberLabel = new QLabel(text(NumberLabel), selection);
    numberLabel->setBuddy(numbers_);
    auto* nameLabel = new QLabel(text(NameLabel), selection);
    nameLabel->setBuddy(names_);
    selectionLayout->addWidget(numberLabel);
    selectionLayout->addWidget(numbers_);
    selectionLayout->addSpacing(16);
    selectionLayout->addWidget(nameLabel);
    selectionLayout->addWidget(names_);
    selectionLayout->addStretch();

    const int tabTexts[TabCount] = {NetworkTab, ClockTab, FunctionTab};
    for (int tab = 0; tab < TabCount; ++tab) {
        addScrollingTab(*tabs_, pages_[std::size_t(tab)], text(tabTexts[tab]));
    }
    tabs_->setObjectName(QStringLiteral("exchangeTabs"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(selection);
    layout->addWidget(tabs_);

    const auto chosen = [this](QComboBox* box) {
        return [this, box](int index) { selectUnit(box->itemData(index).toInt()); };
    };
    connect(numbers_, &QComboBox::activated, this, chosen(numbers_));
    connect(names_, &QComboBox::activated, this, chosen(names_));
    connect(observer_, &ModelObserver::changed, this, &DlgExConfig::refresh);
}

void DlgExConfig::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    refresh();
}

void DlgExConfig::detach()
{
    observer_->release();
    system_ = nullptr;
    for (UnitPage* page : pages_)
        page->setUnit(nullptr);
    fillSelection();
}

bool DlgExConfig::commitField(int field)
{
    return pages_[std::size_t(tabs_->currentIndex())]->commitField(field);
}

void DlgExConfig::refresh()
{
    // The exchange shown stays shown while it is one; else the first exchange is.
    if (!system_ || selected_ < 1 || selected_ > system_->registeredCount() ||
        !system_->equipment(selected_)->isExchange()) {
        selected_ = 0;
        for (int n = 1; system_ && n <= system_->registeredCount() && selected_ == 0; ++n)
            if (system_->equipment(n)->isExchange())
                selected_ = n;
    }
    fillSelection();
    showSelected();
}

bool DlgExConfig::selectUnit(int number)
{
    if (!system_ || number < 1 || number > system_->registeredCount() ||
        !system_->equipment(number)->isExchange())
        return false;
    selected_ = number;
    fillSelection();
    showSelected();
    return true;
}

void DlgExConfig::fillSelection()
{
    const QSignalBlocker blockNumbers(numbers_);
    const QSignalBlocker blockNames(names_);
    numbers_->clear();
    names_->clear();
    for (int n = 1; system_ && n <= system_->registeredCount(); ++n) {
        const Exchange& unit = *system_->equipment(n);
        if (!unit.isExchange())
            continue;
        numbers_->addItem(QString::number(n), n);
        names_->addItem(ModelText::toUi(unit.exchangeName(), locale_.codePage()), n);
    }
    numbers_->setCurrentIndex(numbers_->findData(selected_));
    names_->setCurrentIndex(names_->findData(selected_));
}

void DlgExConfig::showSelected()
{
    Exchange* unit = system_ && selected_ > 0 ? system_->equipment(selected_) : nullptr;
    for (UnitPage* page : pages_)
        page->setUnit(unit);
}
