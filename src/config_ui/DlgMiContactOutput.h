#pragma once

#include "ContactPage.h"

class ContactOut;
class QButtonGroup;
class QComboBox;
class QLabel;

// "Contact Output" of a multi-interface unit: its 16 contact outputs, each driven by an
// access number dialled from a station, or signalling the state of lines or of units on
// the network. An access number belongs to one contact output of the whole system.
class DlgMiContactOutput : public ContactPage
{
    Q_OBJECT

public:
    enum Field { AccessNumber };
    // The choices of "Line status" and "Network status", in the order of their buttons.
    enum LineChoice { AllLines, WholeExchange, StationLine, LineUnused };
    enum NetworkChoice { AllUnits, OneUnit, NetworkUnused };

    DlgMiContactOutput(const ResourceChain& resources, const UserMessages& messages,
                       QWidget* parent = nullptr);

    // As clicks on the buttons of "Line status" and "Network status".
    void chooseLineStatus(int choice);
    void chooseNetworkStatus(int choice);
    // As choices in the lists: the exchange and its station line (0: the whole exchange),
    // the unit watched on the network.
    void setLineTarget(int exchange, int line);
    void setNetworkUnit(int unitNumber);

protected:
    void refreshContact() override;

private:
    ContactOut* output() const;
    Refusal commitAccessNumber(Exchange& unit, const QString& entered);
    // Whether another contact output of a multi-interface unit answers to the number.
    bool isTaken(const ContactOut& output, unsigned long number) const;
    int firstExchange() const;
    void storeLine(int kind, int exchange, int line);

    QLabel* digits_;
    QButtonGroup* lineChoices_;
    QButtonGroup* networkChoices_;
    QComboBox* exchanges_;
    QComboBox* lines_;
    QComboBox* units_;
};
