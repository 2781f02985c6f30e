#pragma once

#include <Qt>

// Roles the tools' table models answer beyond Qt's own.
namespace ItemRole {
// The most characters a cell's editor takes (an int); no limit without it.
constexpr int MaxLength = Qt::UserRole + 1;
} // namespace ItemRole
