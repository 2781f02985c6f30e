#include "MessageTree.h"

#include <QMimeData>

const QString MessageTree::kMimeType = QStringLiteral("application/x-r4000-message-title");

MessageTree::MessageTree(QWidget* parent) : QTreeWidget(parent)
{
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QMimeData* MessageTree::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    if (items.size() != 1 || !items.front()->data(0, kTitleRole).isValid())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(kMimeType, items.front()->data(0, kTitleRole).toByteArray());
    return data;
}
