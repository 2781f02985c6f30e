#pragma once

#include <QList>
#include <QString>

class QMenu;
class QWidget;

// The menus of a tool from the menu file of the resources ("menus.txt"): each entry's data
// is its command id.
namespace MenuResource {

QList<QMenu*> build(const QString& path, int menuId, QWidget* owner);

} // namespace MenuResource
