#pragma once

#include <string_view>

class System;

// Merges one unit's settings file into the model: the unit's slot takes the model the file
// names, the station numbers of the whole system are entered, and the unit reads its
// sections. Reading never stops on a bad value: a value the model refuses, an address that
// does not resolve or an unknown key leaves the model as it was.
class UnitFileReader
{
public:
    // False when the file names no unit ("[system]" with "ex_id" and "ex_type"); the model
    // is then unchanged.
    static bool merge(System& system, std::string_view text);
    // True when the text is a settings file that names its unit, as merge needs it.
    static bool namesUnit(std::string_view text);
};
