#pragma once

#include "UnitPage.h"

#include <array>
#include <string>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Network Settings" of an exchange: its addresses and ports on the LAN, the WAN values a
// NAPT router maps them to, its network ID, and how it sends voice (transmission mode and
// the bit rate its line offers). Without NAPT the WAN values follow the LAN ones.
class DlgExNetwork : public UnitPage
{
    Q_OBJECT

public:
    enum Field {
        IpAddress,
        SubnetMask,
        Gateway,
        WebPort,
        TcpPort,
        UdpPort,
        NetworkId,
        WanIpAddress,
        WanWebPort,
        WanTcpPort,
        WanUdpPort
    };

    DlgExNetwork(const ResourceChain& resources, const UserMessages& messages,
                 QWidget* parent = nullptr);

    // Switches NAPT as the check box does.
    void setNapt(bool on);
    // Chooses a transmission mode (TransmissionMode::Mode) as its button does.
    void chooseMode(int mode);
    // Chooses the entry at index of the bit-rate list.
    void chooseRate(int index);

protected:
    void refreshControls() override;

private:
    // A LAN port whose WAN port follows it while NAPT is off.
    QLineEdit* addPortField(int field, const QString& objectName, int max,
                            bool (Exchange::*setLan)(int), bool (Exchange::*setWan)(int),
                            int (Exchange::*value)() const, const char* key, const char* wanKey);
    // An address of the unit, refused with messageId.
    QLineEdit* addAddressField(int field, const QString& objectName,
                               std::string (Exchange::*value)() const,
                               bool (Exchange::*setter)(std::string_view), int messageId,
                               const char* key);
    QLineEdit* readOnly(const QString& objectName);
    void fillRates(int mode);

    QLineEdit* tcpTo_;
    QLineEdit* udpTo_;
    QLineEdit* pagingPort_;
    QLineEdit* pagingTo_;
    QLineEdit* wanTcpTo_;
    QLineEdit* wanUdpTo_;
    QCheckBox* napt_;
    std::array<QWidget*, 5> wanControls_{};
    QButtonGroup* modes_;
    QComboBox* rates_;
    int ratesMode_ = -1;
};
