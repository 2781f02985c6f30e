#include "CAboutDlg.h"

#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(const ResourceChain& resources, const Info& info, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(resources.dialogText(DialogId::About, 0));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* name = new QLabel(info.productName, this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    name->setObjectName(QStringLiteral("productName"));
    auto* version = new QLabel(
        ResourceChain::substitute(QStringLiteral("version %s"), {info.productVersion}), this);
    version->setObjectName(QStringLiteral("productVersion"));
    auto* copyright = new QLabel(
        ResourceChain::substitute(QStringLiteral("%s %s"), {info.legalCopyright, info.companyName}),
        this);
    copyright->setObjectName(QStringLiteral("copyright"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(resources.bitmapPath(BitmapId::LauncherBackground))
                        .copy(0, 0, 300, 150)
                        .scaledToWidth(180));

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(copyright);
    texts->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(16);
    row->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(resources.dialogText(DialogId::About, 1));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
