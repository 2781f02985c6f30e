#include "DefaultStation.h"

const StationTraits& DefaultStation::traits() const
{
    static const StationTraits kTraits{"NONE", "NONE", false,
                                       false,  false,  StationTraits::MessagePaging::None};
    return kTraits;
}
