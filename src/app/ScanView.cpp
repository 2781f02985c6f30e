#include "ScanView.h"

#include "AppIds.h"

ScanView::ScanView(R4000App& app, QWidget* parent) : ToolView(app, ToolId::Scan, 132, true, parent)
{
}
