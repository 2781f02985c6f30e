#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>
#include <vector>

class DlgGroupBlock;
class DlgGroupBlockMember;
class DlgRemoteGrp;
class QTabWidget;
class ResourceChain;
class UserMessages;

// The "Group" page: the blocking groups and the remote-response groups, in tabs of their own.
class DlgGroup : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    enum Tab { BlockingGroup, BlockingTo, RemoteResponse };

    DlgGroup(const ResourceChain& resources, const UserMessages& messages, Locale locale,
             QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int) override { return true; }

    QTabWidget& tabs() const { return *tabs_; }
    DlgGroupBlockMember& blockMembers() const { return *blockMembers_; }
    DlgGroupBlock& blockTo() const { return *blockTo_; }
    DlgRemoteGrp& remoteGroups() const { return *remoteGroups_; }

private:
    QTabWidget* tabs_;
    DlgGroupBlockMember* blockMembers_;
    DlgGroupBlock* blockTo_;
    DlgRemoteGrp* remoteGroups_;
    std::vector<ModelPage*> pages_;
};
