#pragma once

#include "Locale.h"
#include "TabbedPages.h"

class DlgGroupBlock;
class DlgGroupBlockMember;
class DlgRemoteGrp;
class ResourceChain;
class UserMessages;

// The "Group" page: the blocking groups and the remote-response groups, in tabs of their own.
class DlgGroup : public TabbedPages
{
    Q_OBJECT

public:
    enum Tab { BlockingGroup, BlockingTo, RemoteResponse };

    DlgGroup(const ResourceChain& resources, const UserMessages& messages, Locale locale,
             QWidget* parent = nullptr);

    DlgGroupBlockMember& blockMembers() const { return *blockMembers_; }
    DlgGroupBlock& blockTo() const { return *blockTo_; }
    DlgRemoteGrp& remoteGroups() const { return *remoteGroups_; }

private:
    DlgGroupBlockMember* blockMembers_;
    DlgGroupBlock* blockTo_;
    DlgRemoteGrp* remoteGroups_;
};
