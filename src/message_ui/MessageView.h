#pragma once

#include "ToolView.h"

// The Message Tool. Its list and commands come with the voice messages; until then it only carries
// its menu and returns to the launcher.
class MessageView : public ToolView
{
    Q_OBJECT

public:
    explicit MessageView(ToolHost& host, QWidget* parent = nullptr);
};
