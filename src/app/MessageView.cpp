#include "MessageView.h"

#include "AppIds.h"

MessageView::MessageView(R4000App& app, QWidget* parent)
    : ToolView(app, ToolId::Message, 134, true, parent)
{
}
