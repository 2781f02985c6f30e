#include "MenuResource.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace MenuResource {

QList<QMenu*> build(const QString& path, int menuId, QWidget* owner)
{
    QList<QMenu*> menus;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return menus;
    bool inMenu = false;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        const QString& kind = fields[0];
        if (kind == QStringLiteral("menu")) {
            inMenu = fields.value(1).toInt() == menuId;
        } else if (!inMenu) {
            continue;
        } else if (kind == QStringLiteral("popup")) {
            menus << new QMenu(fields.value(1), owner);
        } else if (menus.isEmpty()) {
            continue;
        } else if (kind == QStringLiteral("separator")) {
            menus.back()->addSeparator();
        } else if (kind == QStringLiteral("item") && fields.size() >= 3) {
            // "\t" in the text stands for the tab that separates the key shown.
            QString caption = fields.mid(2).join(u'\t');
            caption.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
            menus.back()->addAction(caption)->setData(fields[1].toInt());
        }
    }
    return menus;
}

} // namespace MenuResource
