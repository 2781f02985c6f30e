#include "BlockGroupMember.h"

#include "BlockGroup.h"

void BlockGroupMember::leaveBlockGroup()
{
    if (group_)
        group_->removeMember(this);
}
