#include "DialogLayout.h"

#include "ResourceChain.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DialogLayout::DialogLayout(QWidget* widget, const ResourceChain& resources, int dialog)
    : widget_(widget), resources_(resources), dialog_(dialog), layout_(new QVBoxLayout(widget))
{
    const QString caption = text(0);
    if (!caption.isEmpty())
        widget->setWindowTitle(caption);
}

QString DialogLayout::text(int control) const
{
    return resources_.dialogText(dialog_, control);
}

QLabel* DialogLayout::addText(int control)
{
    auto* label = new QLabel(text(control), widget_);
    label->setObjectName(QStringLiteral("text%1").arg(control));
    label->setWordWrap(true);
    layout_->addWidget(label);
    form_ = nullptr;
    return label;
}

QFormLayout* DialogLayout::form()
{
    if (!form_) {
        form_ = new QFormLayout;
        layout_->addLayout(form_);
    }
    return form_;
}

void DialogLayout::addField(int labelControl, QWidget* field)
{
    field->setMinimumWidth(180);
    form()->addRow(text(labelControl), field);
}

QDialogButtonBox* DialogLayout::addButtons()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, widget_);
    buttons->button(QDialogButtonBox::Ok)->setText(text(1));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(2));
    layout_->addWidget(buttons);
    if (auto* dialog = qobject_cast<QDialog*>(widget_)) {
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    }
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    return buttons;
}
