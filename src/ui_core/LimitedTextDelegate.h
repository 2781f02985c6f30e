#pragma once

#include <QStyledItemDelegate>

// Edits a table's cells with line editors that take no more characters than the model's
// ItemRole::MaxLength allows, so an over-long value cannot be typed in the first place.
class LimitedTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
