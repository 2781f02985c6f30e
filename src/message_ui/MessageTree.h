#pragma once

#include <QTreeWidget>

// The messages that can be given to a station, as a tree to drag them from: each message
// leaf carries its title (code-page bytes) in the drag as kMimeType.
class MessageTree : public QTreeWidget
{
    Q_OBJECT

public:
    static const QString kMimeType;
    static constexpr int kTitleRole = Qt::UserRole;

    explicit MessageTree(QWidget* parent = nullptr);

    // What a drag of items carries: the title of the one message among them, else nothing.
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
};
