#include "PageAttachment.h"

#include "ModelPage.h"
#include "R4000System.h"
#include "SystemDocument.h"

PageAttachment::PageAttachment(SystemDocument& document, ModelPage& page, QObject* parent)
    : QObject(parent), document_(document), page_(page)
{
    connect(&document_, &SystemDocument::aboutToRebuild, this, [this] { page_.detach(); });
    connect(&document_, &SystemDocument::rebuilt, this, &PageAttachment::attach);
    attach();
}

PageAttachment::~PageAttachment()
{
    page_.detach();
}

void PageAttachment::attach()
{
    page_.attach(document_.system());
}
