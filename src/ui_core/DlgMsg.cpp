#include "DlgMsg.h"

#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

DlgMsg::DlgMsg(const ResourceChain& resources, const QString& text, QWidget* parent)
    : QDialog(parent)
{
    // Nothing else takes input while the work runs; the window still paints. It stays over
    // its parent, and a dialog the work needs (a unit's login) opens over it.
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(resources.dialogText(DialogId::Notice, 0));
    // Wide enough for its title beside the title bar's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
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

void DlgMsg::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
