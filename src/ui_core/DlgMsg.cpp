#include "DlgMsg.h"

#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

DlgMsg::DlgMsg(const ResourceChain& resources, const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    // Nothing else takes input while the work runs; the window still paints.
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(resources.dialogText(DialogId::Notice, 0));
    setObjectName(QStringLiteral("busyNotice"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    layout->setContentsMargins(24, 16, 24, 16);
    adjustSize();
    const QRect area = parent && parent->isVisible()
                           ? parent->frameGeometry()
                           : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    show();
    repaint();
}
