#pragma once

#include <QStyledItemDelegate>

// Edits a table's cells with line editors that take no more characters than the model's
// ItemRole::MaxLength allows, so an over-long value cannot be typed in the first place, or
// with a pick list of the model's ItemRole::Choices.
class LimitedTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
