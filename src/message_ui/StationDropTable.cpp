#include "StationDropTable.h"

#include "MessageTree.h"

#include <QDropEvent>
#include <QMimeData>

StationDropTable::StationDropTable(QWidget* parent) : QTableWidget(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(true);
}

void StationDropTable::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(MessageTree::kMimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void StationDropTable::dragMoveEvent(QDragMoveEvent* event)
{
    // Only over a station's row.
    if (event->mimeData()->hasFormat(MessageTree::kMimeType) &&
        rowAt(event->position().toPoint().y()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void StationDropTable::dropEvent(QDropEvent* event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (!event->mimeData()->hasFormat(MessageTree::kMimeType) || row < 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit messageDropped(row, event->mimeData()->data(MessageTree::kMimeType));
}
