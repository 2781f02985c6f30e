#include "R4760DS_Station.h"

const StationTraits& R4760DS_Station::traits() const
{
    static const StationTraits kTraits{"R-4760DS", "R-4760DS", true,
                                       true,       false,      StationTraits::MessagePaging::None};
    return kTraits;
}
