#pragma once

#include <QStringList>

// Why the model did not take a value: the message of the string table that explains it,
// with the values for its places. A refusal with no message id is an acceptance.
struct Refusal {
    int messageId = 0;
    QStringList values;

    explicit operator bool() const { return messageId != 0; }
};
