#include "AcceleratorTable.h"

namespace AcceleratorTable {

std::map<int, QKeySequence> keys(int tableId)
{
    const QKeySequence newKey(Qt::CTRL | Qt::Key_N);
    const QKeySequence open(Qt::CTRL | Qt::Key_O);
    const QKeySequence save(Qt::CTRL | Qt::Key_S);
    const QKeySequence print(Qt::CTRL | Qt::Key_P);
    switch (tableId) {
    case 129: // System Setting Tool
        return {{6014, newKey}, {6013, open}, {6011, save}};
    case 132: // Unit Scanning Tool
        return {{6005, QKeySequence(Qt::CTRL | Qt::Key_A)}, {57607, print}, {6011, save}};
    case 134: // Message Tool
        return {{6014, newKey},
                {6013, open},
                {57607, print},
                {6011, save},
                {33166, QKeySequence(Qt::Key_Delete)}};
    default:
        return {};
    }
}

} // namespace AcceleratorTable
