#pragma once

#include <string_view>

class Exchange;
class System;

// The units in use by category, as the equipment list counts and changes them.
namespace EquipmentCounts {

enum class Category { Exchange, IPStation, MultiInterface };

// "EX", "IP" or "MI"; empty for a slot not in use.
std::string_view typeText(const Exchange& unit);
int count(const System& system, Category category);
// Brings the category to count units: new units go after the last unit in use with the
// category's default model; units are removed from the highest number of the category
// down. False, changing nothing, for a negative count or when the system would pass its
// maximum.
bool setCount(System& system, Category category, int count);

} // namespace EquipmentCounts
