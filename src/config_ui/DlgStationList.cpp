#include "DlgStationList.h"

#include "DlgCollectiveSetup.h"
#include "Exchange.h"
#include "LineField.h"
#include "ModelObserver.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "StationTableModel.h"
#include "System.h"
#include "UserDialogs.h"
#include "UserMessages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Text { DigitsLabel = 1, SetupButton };

} // namespace

DlgStationList::DlgStationList(const ResourceChain& resources, const UserMessages& messages,
                               Locale locale, QWidget* parent)
    : QWidget(parent), resources_(resources), messages_(messages), locale_(locale),
      setupButton_(new QPushButton(resources.dialogText(DialogId::StationList, SetupButton), this)),
      grid_(new SettingGrid(this)), table_(new StationTableModel(resources, locale, this)),
      observer_(new ModelObserver(this))
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("stationDigits"));
    edit->setMaxLength(1);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
    edit->setAlignment(Qt::AlignRight);
    digits_ = new LineField(
        *edit, messages,
        [this] { return system_ ? QString::number(system_->stationDigits()) : QString(); },
        [this](const QString& text) -> Refusal {
            int digits = 0;
            if (!ModelText::toNumber(text, digits) || !system_->setStationDigits(digits))
                return {StringId::EnterNumber,
                        {QString::number(system_->minStationDigits()),
                         QString::number(system_->maxStationDigits())}};
            system_->announce("sta_no_digits");
            return {};
        });
    auto* label = new QLabel(resources.dialogText(DialogId::StationList, DigitsLabel), this);
    label->setBuddy(edit);
    setupButton_->setObjectName(QStringLiteral("collectiveSetup"));

    grid_->setObjectName(QStringLiteral("stations"));
    grid_->setModel(table_);
    grid_->verticalHeader()->hide();
    // Rows are chosen for the collective setup; cells are edited one at a time.
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(edit);
    top->addStretch();
    top->addWidget(setupButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_);

    connect(setupButton_, &QPushButton::clicked, this, &DlgStationList::collectiveSetup);
    connect(table_, &StationTableModel::refused, this,
            [this](const Refusal& refusal) { grid_->tellRefusal(messages_, refusal); });
    connect(observer_, &ModelObserver::changed, this, &DlgStationList::refresh);
}

DlgStationList::~DlgStationList()
{
    LineField::releaseAll(*this);
}

void DlgStationList::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    table_->setSystem(system_);
    refresh();
}

void DlgStationList::detach()
{
    observer_->release();
    system_ = nullptr;
    table_->setSystem(nullptr);
    refresh();
}

void DlgStationList::refresh()
{
    digits_->refresh();
    setupButton_->setEnabled(system_ && table_->rowCount() > 0);
    table_->refresh();
}

bool DlgStationList::commitField(int field)
{
    return field == StationDigits && digits_->commit();
}

void DlgStationList::collectiveSetup()
{
    if (!system_)
        return;
    std::vector<int> selected;
    for (const QModelIndex& row : grid_->selectionModel()->selectedRows())
        selected.push_back(row.row());
    std::sort(selected.begin(), selected.end());
    const int all = table_->rowCount();
    DlgCollectiveSetup dialog(resources_, messages_,
                              table_->types(), std::size_t(all), selected.size(), system_->stationDigits(),
                              locale_.codePage(), this);
    if (messages_.dialogs().exec(dialog) != QDialog::Accepted || !system_)
        return;
    std::vector<CollectiveSetup::Slot> places;
    if (dialog.selectedOnly()) {
        for (int row : selected)
            places.push_back(table_->slotOf(row));
    } else {
        for (int row = 0; row < all; ++row)
            places.push_back(table_->slotOf(row));
    }
    dialog.setup().apply(*system_, places);
}
