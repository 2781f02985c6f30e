#include "LimitedTextDelegate.h"

#include "ItemRoles.h"

#include <QLineEdit>

QWidget* LimitedTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    const QVariant limit = index.data(ItemRole::MaxLength);
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && limit.isValid())
        line->setMaxLength(limit.toInt());
    return editor;
}
