#include "DlgGroup.h"

#include "DlgGroupBlock.h"
#include "DlgGroupBlockMember.h"
#include "DlgRemoteGrp.h"
#include "ResourceChain.h"
#include "ResourceIds.h"


namespace {

// The tab titles' controls follow the tabs.
constexpr int kFirstTabTitle = 2;

} // namespace

DlgGroup::DlgGroup(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                   QWidget* parent)
    : TabbedPages(QStringLiteral("groupTabs"), parent),
      blockMembers_(new DlgGroupBlockMember(resources, messages, locale)),
      blockTo_(new DlgGroupBlock(resources)),
      remoteGroups_(new DlgRemoteGrp(resources, messages, std::move(locale)))
{
    addPage(blockMembers_, blockMembers_,
            resources.dialogText(DialogId::Group, kFirstTabTitle + BlockingGroup));
    addPage(blockTo_, blockTo_, resources.dialogText(DialogId::Group, kFirstTabTitle + BlockingTo));
    addPage(remoteGroups_, remoteGroups_,
            resources.dialogText(DialogId::Group, kFirstTabTitle + RemoteResponse));
}
