#include "R4120MS.h"

const StationTraits& R4120MS::traits() const
{
    static const StationTraits kTraits{"R-4120MS", "R-4120MS", false,
                                       false,      true,       StationTraits::MessagePaging::None};
    return kTraits;
}
