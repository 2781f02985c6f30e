#include "SettingGrid.h"

#include "LimitedTextDelegate.h"
#include "Refusal.h"
#include "UserMessages.h"

#include <QHeaderView>

SettingGrid::SettingGrid(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new LimitedTextDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

void SettingGrid::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    if (model)
        connect(model, &QAbstractItemModel::modelReset, this, &QTableView::resizeColumnsToContents);
}

void SettingGrid::tellRefusal(const UserMessages& messages, const Refusal& refusal)
{
    // Told from inside the model's setData, a message box would take the focus from the
    // editor while it is still closing.
    const QPersistentModelIndex cell = currentIndex();
    QMetaObject::invokeMethod(
        this,
        [this, &messages, refusal, cell] {
            messages.tell(refusal.messageId, refusal.values);
            if (cell.isValid())
                setCurrentIndex(cell);
            setFocus();
        },
        Qt::QueuedConnection);
}
