#include "UnitSelectionPage.h"

#include "DlgExClock.h"
#include "DlgExFunction.h"
#include "DlgExNetwork.h"
#include "Exchange.h"
#include "ModelObserver.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ScrollingTab.h"
#include "System.h"
#include "UnitPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

enum Text { SelectionGroup = 1, NumberLabel, NameLabel, NetworkTab, ClockTab, FunctionTab };

} // namespace

UnitSelectionPage::UnitSelectionPage(const ResourceChain& resources, const UserMessages& messages,
                                     Locale locale, int dialogId, QWidget* parent)
    : QWidget(parent), locale_(std::move(locale)), numbers_(new QComboBox(this)),
      names_(new QComboBox(this)), tabs_(new QTabWidget(this)),
      network_(new DlgExNetwork(resources, messages)), clock_(new DlgExClock(resources, messages)),
      function_(new DlgExFunction(resources, messages)), observer_(new ModelObserver(this))
{
    const auto text = [&resources, dialogId](int control) {
        return resources.dialogText(dialogId, control);
    };
    auto* selection = new QGroupBox(text(SelectionGroup), this);
    auto* selectionLayout = new QHBoxLayout(selection);
    selectionLayout->setContentsMargins(8, 2, 8, 2);
    numbers_->setObjectName(QStringLiteral("unitNumber"));
    names_->setObjectName(QStringLiteral("unitName"));
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
    tabs_->setObjectName(QStringLiteral("unitTabs"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(selection);
    layout->addWidget(tabs_);

    const auto chosen = [this](QComboBox* box) {
        return [this, box](int index) { selectUnit(box->itemData(index).toInt()); };
    };
    connect(numbers_, &QComboBox::activated, this, chosen(numbers_));
    connect(names_, &QComboBox::activated, this, chosen(names_));
    connect(observer_, &ModelObserver::changed, this, &UnitSelectionPage::refresh);

    addPage(network_, text(NetworkTab));
    addPage(clock_, text(ClockTab));
    addPage(function_, text(FunctionTab));
}

void UnitSelectionPage::addPage(UnitPage* page, const QString& title)
{
    addScrollingTab(*tabs_, page, title);
    pages_.push_back(page);
}

void UnitSelectionPage::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    refresh();
}

void UnitSelectionPage::detach()
{
    observer_->release();
    system_ = nullptr;
    for (UnitPage* page : pages_)
        page->setUnit(nullptr);
    fillSelection();
}

bool UnitSelectionPage::commitField(int field)
{
    return pages_[std::size_t(tabs_->currentIndex())]->commitField(field);
}

bool UnitSelectionPage::isListed(int number) const
{
    return system_ && number >= 1 && number <= system_->registeredCount() &&
           lists(*system_->equipment(number));
}

void UnitSelectionPage::refresh()
{
    if (!isListed(selected_)) {
        selected_ = 0;
        for (int n = 1; system_ && n <= system_->registeredCount() && selected_ == 0; ++n)
            if (isListed(n))
                selected_ = n;
    }
    fillSelection();
    showSelected();
}

bool UnitSelectionPage::selectUnit(int number)
{
    if (!isListed(number))
        return false;
    selected_ = number;
    fillSelection();
    showSelected();
    return true;
}

void UnitSelectionPage::fillSelection()
{
    const QSignalBlocker blockNumbers(numbers_);
    const QSignalBlocker blockNames(names_);
    numbers_->clear();
    names_->clear();
    for (int n = 1; system_ && n <= system_->registeredCount(); ++n) {
        if (!isListed(n))
            continue;
        numbers_->addItem(QString::number(n), n);
        names_->addItem(ModelText::toUi(system_->equipment(n)->exchangeName(), locale_.codePage()),
                        n);
    }
    numbers_->setCurrentIndex(numbers_->findData(selected_));
    names_->setCurrentIndex(names_->findData(selected_));
}

void UnitSelectionPage::showSelected()
{
    Exchange* unit = selected_ > 0 ? system_->equipment(selected_) : nullptr;
    for (UnitPage* page : pages_)
        page->setUnit(unit);
}
