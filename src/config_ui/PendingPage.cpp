#include "PendingPage.h"

#include "ResourceChain.h"

#include <QLabel>
#include <QVBoxLayout>

PendingPage::PendingPage(const ResourceChain& resources, int dialogId, QWidget* parent)
    : QWidget(parent), text_(new QLabel(resources.dialogText(dialogId, 1), this))
{
    auto* layout = new QVBoxLayout(this);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    layout->addWidget(text_);
}

void PendingPage::attach(System& system)
{
    system_ = &system;
}

void PendingPage::detach()
{
    system_ = nullptr;
}
