#include "R4160DS.h"

const StationTraits& R4160DS::traits() const
{
    static const StationTraits kTraits{"R-4160DS", "R-4160DS", false,
                                       true,       false,      StationTraits::MessagePaging::None};
    return kTraits;
}
