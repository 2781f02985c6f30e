#pragma once

#include "ToolView.h"

// The Unit Scanning Tool. Its list and commands come with the scan tool itself; until then it only
// carries its menu and returns to the launcher.
class ScanView : public ToolView
{
    Q_OBJECT

public:
    explicit ScanView(R4000App& app, QWidget* parent = nullptr);
};
