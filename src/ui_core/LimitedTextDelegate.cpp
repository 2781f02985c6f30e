#include "LimitedTextDelegate.h"

#include "ItemRoles.h"

#include <QComboBox>
#include <algorithm>
#include <QLineEdit>

QWidget* LimitedTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    if (const QVariant choices = index.data(ItemRole::Choices); choices.isValid()) {
        auto* box = new QComboBox(parent);
        box->addItems(choices.toStringList());
        // A choice is taken as soon as it is made, as in a list of the cell itself.
        auto* self = const_cast<LimitedTextDelegate*>(this);
        connect(box, &QComboBox::activated, self, [self, box] {
            emit self->commitData(box);
            emit self->closeEditor(box);
        });
        return box;
    }
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    const QVariant limit = index.data(ItemRole::MaxLength);
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && limit.isValid())
        line->setMaxLength(limit.toInt());
    return editor;
}

void LimitedTextDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentIndex(std::max(0, box->findText(index.data(Qt::EditRole).toString())));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void LimitedTextDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
