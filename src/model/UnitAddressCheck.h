#pragma once

class Exchange;
class System;

// Before settings go to the units or come back: no two units may be reached at the same
// place. A unit is known by its network ID with its LAN address and web port, and by its
// network ID with its WAN address and WAN web port; a unit's two keys may be equal.
namespace UnitAddressCheck {

// The first registered unit whose key another unit already has; null when every unit has
// a place of its own.
const Exchange* firstDuplicate(const System& system);

} // namespace UnitAddressCheck
