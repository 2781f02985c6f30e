#include "AcceleratorTable.h"

#include "ResourceIds.h"

namespace AcceleratorTable {

std::map<int, QKeySequence> keys(int tableId)
{
    const QKeySequence newKey(Qt::CTRL | Qt::Key_N);
    const QKeySequence open(Qt::CTRL | Qt::Key_O);
    const QKeySequence save(Qt::CTRL | Qt::Key_S);
    const QKeySequence print(Qt::CTRL | Qt::Key_P);
    switch (tableId) {
    case MenuId::Config:
        return {{CommandId::New, newKey}, {CommandId::Open, open}, {CommandId::Save, save}};
    case MenuId::Scan:
        return {{CommandId::SelectAll, QKeySequence(Qt::CTRL | Qt::Key_A)},
                {CommandId::Print, print},
                {CommandId::Save, save}};
    case MenuId::Message:
        return {{CommandId::New, newKey},
                {CommandId::Open, open},
                {CommandId::Print, print},
                {CommandId::Save, save},
                {CommandId::DeleteMessage, QKeySequence(Qt::Key_Delete)}};
    default:
        return {};
    }
}

} // namespace AcceleratorTable
