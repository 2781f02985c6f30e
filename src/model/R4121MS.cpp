#include "R4121MS.h"

const StationTraits& R4121MS::traits() const
{
    static const StationTraits kTraits{"R-4121MS", "R-4121MS", false,
                                       false,      true,       StationTraits::MessagePaging::None};
    return kTraits;
}
