#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QVBoxLayout;
class QWidget;
class ResourceChain;

// Lays out the small form dialogs of the program from their texts in the resources: the
// caption, lines of text, labelled fields and the OK/Cancel buttons, top to bottom.
class DialogLayout
{
public:
    // dialog: the id under which the dialog's texts are found.
    DialogLayout(QWidget* widget, const ResourceChain& resources, int dialog);

    // The label, for a dialog that fills in the text itself.
    QLabel* addText(int control);
    void addField(int labelControl, QWidget* field);
    // OK and Cancel of a dialog, wired to its accept and reject.
    QDialogButtonBox* addButtons();
    QVBoxLayout* layout() const { return layout_; }
    QString text(int control) const;

private:
    QFormLayout* form();

    QWidget* widget_;
    const ResourceChain& resources_;
    int dialog_;
    QVBoxLayout* layout_;
    QFormLayout* form_ = nullptr;
};
