#include "R4700MS_Station.h"

const StationTraits& R4700MS_Station::traits() const
{
    static const StationTraits kTraits{
        "R-4700MS", "R-4700MS", true, false, true, StationTraits::MessagePaging::DialOperationOnly};
    return kTraits;
}
