#pragma once

#include <QKeySequence>
#include <map>

// The keys of each tool, by the tool's menu id: command id -> key.
namespace AcceleratorTable {

std::map<int, QKeySequence> keys(int tableId);

} // namespace AcceleratorTable
