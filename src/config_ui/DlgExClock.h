#pragma once

#include "UnitPage.h"

#include <array>
#include <string>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

// "Sampling Frequency Correction" of an exchange: whether it corrects on its own, sends its
// correction data to up to 16 destinations in other networks, or receives it from a source
// (directly or by multicast). Only models with the correction have the page.
class DlgExClock : public UnitPage
{
    Q_OBJECT

public:
    static constexpr int kRows = 16;
    // Fields: the address and port of each destination row, then the source and multicast.
    static constexpr int destinationAddress(int row) { return 2 * row; }
    static constexpr int destinationPort(int row) { return 2 * row + 1; }
    enum Field { Source = 2 * kRows, MulticastAddress };

    DlgExClock(const ResourceChain& resources, const UserMessages& messages,
               QWidget* parent = nullptr);

    void refresh() override;
    // Chooses "AUTO", "SOURCE" or "DESTINATION" by its button's index.
    void chooseMode(int index);
    void setMulticastReceive(bool on);

protected:
    bool appliesTo(const Exchange& unit) const override;
    void refreshControls() override;

private:
    // Gives each of the unit's destinations a row.
    void layOutRows();
    QString rowAddress(int row) const;
    QString rowPort(int row) const;
    Refusal commitAddress(Exchange& unit, int row, const QString& text);
    Refusal commitPort(Exchange& unit, int row, const QString& text);
    // Puts entry in the place of the row's destination; checked: the address is judged as
    // a new destination's.
    Refusal replaceRow(Exchange& unit, int row, const std::string& entry, bool checked);

    QButtonGroup* modes_;
    QLineEdit* ports_[kRows] = {};
    QLineEdit* addresses_[kRows] = {};
    QWidget* destinations_;
    QWidget* reception_;
    QCheckBox* multicastReceive_;
    QLineEdit* multicastAddress_;
    // The destination of each row ("address:port"), and a port typed into an empty row.
    std::array<std::string, kRows> rows_;
    std::array<int, kRows> pendingPorts_{};
    const Exchange* rowsUnit_ = nullptr;
};
