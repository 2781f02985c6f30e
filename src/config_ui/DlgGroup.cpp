#include "DlgGroup.h"

#include "DlgGroupBlock.h"
#include "DlgGroupBlockMember.h"
#include "DlgRemoteGrp.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The tab titles' controls follow the tabs.
constexpr int kFirstTabTitle = 2;

} // namespace

DlgGroup::DlgGroup(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                   QWidget* parent)
    : QWidget(parent), tabs_(new QTabWidget(this)),
      blockMembers_(new DlgGroupBlockMember(resources, messages, locale)),
      blockTo_(new DlgGroupBlock(resources)),
      remoteGroups_(new DlgRemoteGrp(resources, messages, std::move(locale)))
{
    tabs_->setObjectName(QStringLiteral("groupTabs"));
    const std::vector<QWidget*> pages{blockMembers_, blockTo_, remoteGroups_};
    for (int tab = BlockingGroup; tab <= RemoteResponse; ++tab)
        tabs_->addTab(pages[std::size_t(tab)],
                      resources.dialogText(DialogId::Group, kFirstTabTitle + tab));
    pages_ = {blockMembers_, blockTo_, remoteGroups_};
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
}

void DlgGroup::attach(System& system)
{
    for (ModelPage* page : pages_)
        page->attach(system);
}

void DlgGroup::detach()
{
    for (ModelPage* page : pages_)
        page->detach();
}

void DlgGroup::refresh()
{
    for (ModelPage* page : pages_)
        page->refresh();
}
