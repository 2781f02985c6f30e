#pragma once

#include "ContactIn.h"
#include "ContactTableModel.h"

// The contact inputs of a unit: "No.", "Mode" and "Parameter", the lines the mode acts on.
class ContactInTableModel : public ContactTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Mode, Parameter, ColumnCount };

    explicit ContactInTableModel(const ResourceChain& resources, QObject* parent = nullptr);

    QString text(int row, int column) const override;
    // The modes in the order the page offers them and the string table names them, from
    // "Input interlock level" to "Unused".
    static constexpr int kModeCount = 7;
    static ContactIn::Mode modeAt(int place);
    static int placeOf(ContactIn::Mode mode);
    // The name the dialog gives the input's mode.
    static QString modeText(const ResourceChain& resources, const ContactIn& input);
    // What the mode acts on: "Contact Output:3-2", "Paging No.:5, Audio input:1" or
    // "Station:1-4, Dial code:12#"; empty for the modes that act on nothing.
    static QString parameterText(const ResourceChain& resources, const ContactIn& input);

protected:
    int contactCount(const Exchange& unit) const override;
};
