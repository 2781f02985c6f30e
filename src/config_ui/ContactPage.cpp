#include "ContactPage.h"

#include "ContactTableModel.h"
#include "Exchange.h"
#include "SettingGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QSignalBlocker>

ContactPage::ContactPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
                         ContactTableModel* table, QWidget* parent)
    : UnitPage(resources, messages, dialogId, parent), table_(table), list_(new SettingGrid(this))
{
    table_->setParent(this);
    list_->setObjectName(QStringLiteral("contacts"));
    list_->setModel(table_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() + 1 != selected_)
                    selectContact(current.row() + 1);
            });
}

void ContactPage::setSettings(QLayout* settings)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    layout->addLayout(settings);
    layout->addStretch();
}

void ContactPage::selectContact(int number)
{
    if (number < 1 || number > table_->rowCount())
        return;
    selected_ = number;
    refresh();
}

void ContactPage::refresh()
{
    // The contact shown is settled before its fields show it.
    if (table_->unit() != unit())
        table_->setUnit(unit());
    else
        table_->refresh();
    const int count = table_->rowCount();
    selected_ = count == 0 ? 0 : std::clamp(selected_, 1, count);
    UnitPage::refresh();
}

void ContactPage::refreshControls()
{
    {
        // The row follows the contact shown without choosing it again.
        const QSignalBlocker block(list_->selectionModel());
        if (selected_ > 0)
            list_->selectRow(selected_ - 1);
        list_->selectionModel()->setCurrentIndex(table_->index(selected_ - 1, 0),
                                                 QItemSelectionModel::NoUpdate);
    }
    list_->viewport()->update();
    list_->fitColumns();
    // The list is as wide as its columns, the parameters of every contact readable.
    list_->setMinimumWidth(list_->horizontalHeader()->length() + 2 * list_->frameWidth() +
                           list_->verticalScrollBar()->sizeHint().width());
    refreshContact();
}
