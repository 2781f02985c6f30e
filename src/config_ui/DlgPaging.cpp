#include "DlgPaging.h"

#include "Exchange.h"
#include "ModelObserver.h"
#include "PagingTableModels.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "System.h"
#include "UserMessages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

enum Text { DigitsLabel = 2, PortLabel, PortTo };

// Every unit pages on four ports from the system's base port on, unit after unit.
// Sizing a column looks at this many rows, not at the whole matrix.
constexpr int kRowsSampled = 32;

// The membership matrix: its check box columns are alike, so the first one is measured for
// all of them; measuring 160 columns cell by cell would hold up the opening of the page.
class MatrixGrid : public SettingGrid
{
public:
    MatrixGrid(int firstCheck, QWidget* parent) : SettingGrid(parent), firstCheck_(firstCheck) {}

    int sizeHintForColumn(int column) const override
    {
        if (column < firstCheck_)
            return SettingGrid::sizeHintForColumn(column);
        if (column == firstCheck_)
            checkWidth_ = SettingGrid::sizeHintForColumn(column);
        return checkWidth_;
    }

private:
    int firstCheck_;
    mutable int checkWidth_ = 0;
};

} // namespace

DlgPaging::DlgPaging(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                     QWidget* parent)
    : QWidget(parent), resources_(resources), messages_(messages), digits_(new QComboBox(this)),
      port_(new QLineEdit(this)),
      portTo_(new QLabel(resources.dialogText(DialogId::Paging, PortTo), this)),
      zoneGrid_(new SettingGrid(this)), zones_(new PagingZoneModel(resources, locale, this)),
      members_(new PagingMemberModel(resources, std::move(locale), this)),
      memberGrid_(new MatrixGrid(members_->captionCount(), this)),
      observer_(new ModelObserver(this))
{
    digits_->setObjectName(QStringLiteral("pagingDigits"));
    port_->setObjectName(QStringLiteral("pagingPort"));
    port_->setReadOnly(true);
    port_->setFixedWidth(port_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    portTo_->setObjectName(QStringLiteral("pagingPortTo"));

    auto* top = new QHBoxLayout;
    auto* digitsLabel = new QLabel(resources.dialogText(DialogId::Paging, DigitsLabel), this);
    digitsLabel->setBuddy(digits_);
    top->addWidget(digitsLabel);
    top->addWidget(digits_);
    top->addSpacing(24);
    top->addWidget(new QLabel(resources.dialogText(DialogId::Paging, PortLabel), this));
    top->addWidget(port_);
    top->addWidget(portTo_);
    top->addStretch();

    zoneGrid_->setObjectName(QStringLiteral("pagingZones"));
    zoneGrid_->verticalHeader()->hide();
    zoneGrid_->horizontalHeader()->hide();
    zoneGrid_->setModel(zones_);
    zoneGrid_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);

    memberGrid_->setObjectName(QStringLiteral("pagingMembers"));
    memberGrid_->verticalHeader()->hide();
    memberGrid_->verticalHeader()->setResizeContentsPrecision(kRowsSampled);
    memberGrid_->setModel(members_);

    auto* grids = new QHBoxLayout;
    grids->addWidget(zoneGrid_);
    grids->addWidget(memberGrid_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grids);

    setTabOrder(digits_, zoneGrid_);
    setTabOrder(zoneGrid_, memberGrid_);
    connect(digits_, &QComboBox::activated, this,
            [this](int index) { choosePagingDigits(digits_->itemData(index).toInt()); });
    connect(zones_, &PagingZoneModel::refused, this,
            [this](const Refusal& refusal) { zoneGrid_->tellRefusal(messages_, refusal); });
    connect(members_, &UnitLineTableModel::refused, this, [this](const QList<Refusal>& refusals) {
        messages_.show(StringId::Caption, members_->describe(refusals),
                       UserDialogs::Icon::Exclamation);
    });
    connect(observer_, &ModelObserver::changed, this, &DlgPaging::refresh);
}

void DlgPaging::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    zones_->setSystem(system_);
    members_->setSystem(system_);
    refresh();
}

void DlgPaging::detach()
{
    observer_->release();
    system_ = nullptr;
    zones_->setSystem(nullptr);
    members_->setSystem(nullptr);
    refresh();
}

void DlgPaging::refresh()
{
    zones_->refresh();
    members_->refresh();
    digits_->clear();
    if (!system_) {
        port_->clear();
        portTo_->setText(resources_.dialogText(DialogId::Paging, PortTo));
        return;
    }
    for (int digits = system_->minPagingDigits(); digits <= system_->maxPagingDigits(); ++digits)
        digits_->addItem(QString::number(digits), digits);
    digits_->setCurrentIndex(digits_->findData(system_->pagingDigits()));
    // The units in use page on their ports; without units, the first unit's are shown.
    const int first = system_->multicastPort();
    const int units = std::max(system_->registeredCount(), 1);
    port_->setText(QString::number(first));
    portTo_->setText(
        ResourceChain::substitute(resources_.string(StringId::PagingPortTo),
                                  {QString::number(first + Exchange::kPagingPorts * units - 1)}));
}

bool DlgPaging::choosePagingDigits(int digits)
{
    if (!system_)
        return false;
    if (digits == system_->pagingDigits())
        return true;
    if (!system_->setPagingDigits(digits)) {
        refresh();
        return false;
    }
    system_->announce("pag_no_digits");
    return true;
}
