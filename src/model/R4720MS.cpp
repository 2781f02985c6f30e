#include "R4720MS.h"

const ExchangeTraits& R4720MS::modelTraits()
{
    static const ExchangeTraits kTraits{
        "R-4720MS", "R-4720/5MS", false, true, false, false, true, true,
        true,       true,         1,     0,    0,     0,     0,    8};
    return kTraits;
}
