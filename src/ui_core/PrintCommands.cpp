#include "PrintCommands.h"

#include "ResourceIds.h"
#include "ToolHost.h"
#include "UserDialogs.h"
#include "UserMessages.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

PrintCommands::PrintCommands(ToolHost& host, QWidget& view, Paint paint, int failedId)
    : host_(host), view_(view), paint_(std::move(paint)), failedId_(failedId)
{
}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool PrintCommands::run(int command)
{
    switch (command) {
    case CommandId::Print:
        print();
        return true;
    case CommandId::PrintPreview:
        preview();
        return true;
    case CommandId::PrintSetup:
        setup();
        return true;
    default:
        return false;
    }
}

void PrintCommands::print()
{
    QPrinter& device = printer();
    QPrintDialog dialog(&device, view_.window());
    dialog.setMinMax(1, 9999);
    if (host_.dialogs().exec(dialog) == QDialog::Accepted)
        printOn(device);
}

void PrintCommands::printOn(QPrinter& device)
{
    const bool range = device.printRange() == QPrinter::PageRange;
    const int printed = paint_(device, range ? device.fromPage() : 1, range ? device.toPage() : 0);
    if (printed == 0)
        host_.messages().tell(StringId::NothingToPrint);
    else if (printed < 0)
        host_.messages().fail(failedId_);
}

void PrintCommands::preview()
{
    QPrintPreviewDialog dialog(&printer(), view_.window());
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printOn(*target); });
    host_.dialogs().exec(dialog);
}

void PrintCommands::setup()
{
    QPageSetupDialog dialog(&printer(), view_.window());
    host_.dialogs().exec(dialog);
}
