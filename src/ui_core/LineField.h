#pragma once

#include "Refusal.h"

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;
class UserMessages;

// One text field of a page over one model value. When the user leaves the field (or
// presses Enter) a changed text is handed to the commit function; a refusal is told with
// its message, the kept value is shown again and the field takes the focus with its text
// selected. An accepted value is shown as the model now holds it.
class LineField : public QObject
{
    Q_OBJECT

public:
    // The model's value as the field shows it.
    using Show = std::function<QString()>;
    // Hands the text to the model; the refusal when it was not taken.
    using Commit = std::function<Refusal(const QString& text)>;

    LineField(QLineEdit& edit, const UserMessages& messages, Show show, Commit commit);

    QLineEdit& edit() const { return edit_; }
    // Shows the model's value.
    void refresh();
    // Commits the field's text now; false when the model refused it.
    bool commit();

    // Lets go of every field below page. A page calls it from its destructor: a window going
    // away takes the focus from its fields, which must not commit into a page half destroyed.
    static void releaseAll(QWidget& page);

private:
    QLineEdit& edit_;
    const UserMessages& messages_;
    Show show_;
    Commit commit_;
    // A message box takes the focus from the field: that is not the user leaving it.
    bool committing_ = false;
};
