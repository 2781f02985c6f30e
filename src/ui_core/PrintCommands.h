#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;
class ToolHost;

// Print, Print Preview and Print Setup of a tool, over the one printer that Print Setup sets
// up. The tool paints its pages; a range of pages chosen in the print dialog is honoured.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    // Pages from..to (to 0: to the end) on device; the number printed, 0 when there is
    // nothing in that range, -1 when the device took nothing.
    using Paint = std::function<int(QPagedPaintDevice& device, int from, int to)>;

    // failedId: the message when the printer takes nothing.
    PrintCommands(ToolHost& host, QWidget& view, Paint paint, int failedId);
    ~PrintCommands() override;

    QPrinter& printer();
    // Carries out Print, Print Preview or Print Setup; false for any other command.
    bool run(int command);
    void print();
    void preview();
    void setup();
    // Prints on device as the print dialog left it, telling the user what went wrong.
    void printOn(QPrinter& device);

private:
    ToolHost& host_;
    QWidget& view_;
    Paint paint_;
    int failedId_;
    std::unique_ptr<QPrinter> printer_;
};
