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
    // The unit merged: the one the file names ("[system]" with "ex_id" and "ex_type"); 0, with
    // the model unchanged, when it names none or is no text (a NUL byte).
    static int merge(System& system, std::string_view text);
    // The unit a settings file is of: the number "ex_id" of its "[system]" record names
    // beside "ex_type"; 0 when it names none, or when the text is no text (a NUL byte).
    static int unitNumber(std::string_view text);
};
