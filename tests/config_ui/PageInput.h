#pragma once

#include "ScriptedDialogs.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QStringList>
#include <QtTest>

// The user's side of a page in the tests: typing into its fields, reading its cells, and what
// it told.
namespace PageInput {

// Types text into the field named name and leaves it.
inline void enter(QWidget& page, const QString& name, const QString& text)
{
    auto* edit = page.findChild<QLineEdit*>(name);
    QVERIFY2(edit, qPrintable(name));
    edit->setText(text);
    emit edit->editingFinished();
}

inline QString cell(const QAbstractItemModel& model, int row, int column,
                    int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

// The texts told since the last call, in order.
inline QStringList told(ScriptedDialogs& dialogs)
{
    QStringList texts;
    for (const auto& message : dialogs.messages)
        texts << message.text;
    dialogs.messages.clear();
    return texts;
}

} // namespace PageInput
