#pragma once

#include <QTableWidget>

// The station list of the transfer page: a message dragged from the message tree is dropped
// onto a station's row.
class StationDropTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit StationDropTable(QWidget* parent = nullptr);

signals:
    // title: the message's title, code-page bytes.
    void messageDropped(int row, const QByteArray& title);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
