#include "R4142MS.h"

const StationTraits& R4142MS::traits() const
{
    static const StationTraits kTraits{"R-4142MS", "R-4142MS", false,
                                       false,      true,       StationTraits::MessagePaging::None};
    return kTraits;
}
