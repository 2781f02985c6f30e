#pragma once

#include "ToolView.h"

class QLabel;
class R4000ConfigDoc;

// The System Setting Tool. Its document commands work here; the setting pages come later,
// until then the view names the system it holds.
class ConfigView : public ToolView
{
    Q_OBJECT

public:
    ConfigView(ToolHost& host, R4000ConfigDoc& document, QWidget* parent = nullptr);

    // The tool's title, " - " and the document's title.
    QString caption() const override;
    bool followsFrame() const override { return true; }

protected:
    bool isCommandEnabled(int command) const override;
    void onCommand(int command) override;

private:
    void refresh();

    R4000ConfigDoc& document_;
    QLabel* summary_;
};
