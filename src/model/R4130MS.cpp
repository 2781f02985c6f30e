#include "R4130MS.h"

const StationTraits& R4130MS::traits() const
{
    static const StationTraits kTraits{"R-4130MS", "R-4130MS", false,
                                       false,      true,       StationTraits::MessagePaging::None};
    return kTraits;
}
