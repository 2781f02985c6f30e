#pragma once

#include <Qt>

// Roles the tools' table models answer beyond Qt's own.
namespace ItemRole {
// The most characters a cell's editor takes (an int); no limit without it.
constexpr int MaxLength = Qt::UserRole + 1;
// The entries a cell is chosen from (a QStringList); the cell is typed into without it.
constexpr int Choices = Qt::UserRole + 2;
} // namespace ItemRole
