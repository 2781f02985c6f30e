#include "MessageView.h"

#include "ResourceIds.h"

MessageView::MessageView(ToolHost& host, QWidget* parent)
    : ToolView(host, ToolId::Message, MenuId::Message, true, parent)
{
}
