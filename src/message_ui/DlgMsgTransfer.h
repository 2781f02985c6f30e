#pragma once

#include "CR4700Player.h"
#include "CR4700RecordData.h"
#include "MessageAssignments.h"
#include "MessageCatalog.h"
#include "UnitClient.h"

#include <QWidget>
#include <memory>
#include <string>

class QComboBox;
class QPushButton;
class MessageTree;
class R4000MessageDoc;
class StationDropTable;
class ToolHost;

// Registering messages on the IP master stations: the stations with their messages (a
// message is dragged onto a station from the tree of standard and own messages), the
// system's siren sound with a preview of each choice, and the transfer of the ticked
// stations' messages. What each station is given is kept in the system's msglist.csv.
class DlgMsgTransfer : public QWidget
{
    Q_OBJECT

public:
    struct Folders {
        std::string standard; // the standard messages
        std::string sounds;   // the siren previews, "siren<value>.pmf"
    };

    DlgMsgTransfer(ToolHost& host, R4000MessageDoc& document, Folders folders,
                   UnitClient::Options options, QWidget* parent = nullptr);
    ~DlgMsgTransfer() override;

    // The stations of the current system with what msglist.csv gives them, the messages and
    // the system's siren, read again.
    void reload();
    // The messages offered, read again; what the stations are given stays.
    void refreshMessages();
    // What dropping the message title onto the station row does.
    void assign(int row, const std::string& title);
    // Sends the ticked stations their messages (and a changed siren to every unit first),
    // then writes msglist.csv.
    void transfer();
    void previewSiren();
    // Writes msglist.csv when the stations were given other messages since it was read or
    // written; false when it could not be written (the user has been told).
    bool keepList();

    const MessageAssignments& assignments() const { return *assignments_; }
    // Whether msglist.csv no longer says what the stations are given.
    bool listChanged() const { return changed_; }
    // The siren value chosen.
    int chosenSiren() const;

    // The siren choices, in the order shown, as the system stores them.
    static constexpr int kSirens[] = {1, 0, 32, 33, 34, 35, 36, 255};
    static constexpr int kNoSiren = 255;

private:
    void showRows();
    void fillTree();
    void onItemChanged(int row, int column);
    bool writeList();

    ToolHost& host_;
    R4000MessageDoc& document_;
    Folders folders_;
    UnitClient::Options options_;
    StationDropTable* stations_;
    MessageTree* tree_;
    QComboBox* siren_;
    QPushButton* listen_;
    QPushButton* transfer_;
    std::unique_ptr<MessageAssignments> assignments_;
    MessageCatalog catalog_;
    bool changed_ = false;
    CR4700RecordData previewSound_;
    CR4700Player preview_;
};
