#include "DefaultExchange.h"

const ExchangeTraits& DefaultExchange::modelTraits()
{
    static const ExchangeTraits kTraits{"NONE", "NONE", false, false, false, false, true, true,
                                        true,   false,  16,    2,     2,     16,    16,   8};
    return kTraits;
}
