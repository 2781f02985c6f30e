#include "ConfigView.h"

#include "R4000ConfigDoc.h"
#include "R4000System.h"
#include "ResourceIds.h"
#include "ToolHost.h"

#include <QLabel>
#include <QVBoxLayout>

ConfigView::ConfigView(ToolHost& host, R4000ConfigDoc& document, QWidget* parent)
    : ToolView(host, ToolId::Config, MenuId::Config, true, parent), document_(document),
      summary_(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setAlignment(Qt::AlignCenter);
    layout->addWidget(summary_);
    connect(&document_, &R4000ConfigDoc::changed, this, &ConfigView::refresh);
    refresh();
}

QString ConfigView::caption() const
{
    return ToolView::caption() + QStringLiteral(" - ") + document_.title();
}

void ConfigView::refresh()
{
    summary_->setText(QStringLiteral("%1\n%2 / %3")
                          .arg(document_.title())
                          .arg(document_.system().registeredCount())
                          .arg(document_.system().maxEquipment()));
    if (isVisible())
        window()->setWindowTitle(caption());
}

bool ConfigView::isCommandEnabled(int command) const
{
    switch (command) {
    case CommandId::New:
    case CommandId::Open:
    case CommandId::Save:
    case CommandId::SaveAs:
        return true;
    default:
        return ToolView::isCommandEnabled(command);
    }
}

void ConfigView::onCommand(int command)
{
    switch (command) {
    case CommandId::New:
        document_.newDocument();
        break;
    case CommandId::Open:
        host().openSystem();
        break;
    case CommandId::Save:
        document_.save();
        break;
    case CommandId::SaveAs:
        document_.saveAs();
        break;
    default:
        ToolView::onCommand(command);
    }
}
