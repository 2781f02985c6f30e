#include "R4720MS_Station.h"

const StationTraits& R4720MS_Station::traits() const
{
    static const StationTraits kTraits{
        "R-4720MS", "R-4720/5MS", true, false, true, StationTraits::MessagePaging::AllStartModes};
    return kTraits;
}
