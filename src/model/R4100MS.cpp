#include "R4100MS.h"

const StationTraits& R4100MS::traits() const
{
    static const StationTraits kTraits{"R-4100MS", "R-4100MS", false,
                                       false,      true,       StationTraits::MessagePaging::None};
    return kTraits;
}
