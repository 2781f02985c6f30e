#include "LineField.h"

#include "UserMessages.h"

#include <QLineEdit>

LineField::LineField(QLineEdit& edit, const UserMessages& messages, Show show, Commit commit)
    : QObject(&edit), edit_(edit), messages_(messages), show_(std::move(show)),
      commit_(std::move(commit))
{
    connect(&edit_, &QLineEdit::editingFinished, this, &LineField::commit);
}

void LineField::refresh()
{
    edit_.setText(show_());
}

bool LineField::commit()
{
    if (committing_ || edit_.isReadOnly() || !edit_.isEnabled())
        return true;
    const QString text = edit_.text();
    if (text == show_())
        return true;
    committing_ = true;
    const Refusal refusal = commit_(text);
    if (refusal)
        messages_.tell(refusal.messageId, refusal.values);
    refresh();
    if (refusal) {
        edit_.setFocus();
        edit_.selectAll();
    }
    committing_ = false;
    return !refusal;
}

void LineField::releaseAll(QWidget& page)
{
    qDeleteAll(page.findChildren<LineField*>());
}

