#include "CollectiveSetup.h"

#include "Exchange.h"
#include "Station.h"
#include "System.h"

namespace {

constexpr std::size_t kMaxNameLength = 8;

} // namespace

int CollectiveSetup::digits(long number)
{
    int count = 1;
    for (; number >= 10; number /= 10)
        ++count;
    return count;
}

bool CollectiveSetup::namesFit(std::size_t count) const
{
    return !namePrefix || namePrefix->size() + std::size_t(digits(long(count))) <= kMaxNameLength;
}

bool CollectiveSetup::numbersFit(std::size_t count, int stationDigits) const
{
    // The last number given is start + count - 1.
    return !start || count == 0 || digits(*start + long(count) - 1) <= stationDigits;
}

void CollectiveSetup::apply(System& system, const std::vector<Slot>& places) const
{
    long k = 1;
    for (const Slot& slot : places) {
        if (model)
            system.equipment(slot.unit)->changeStationModel(slot.line, *model);
        if (Station* station = system.stationAt(slot.unit, slot.line)) {
            if (namePrefix)
                station->setName(*namePrefix + std::to_string(k));
            if (start) {
                std::string number = std::to_string(*start + k - 1);
                if (int(number.size()) < system.stationDigits())
                    number.insert(0, std::size_t(system.stationDigits()) - number.size(), '0');
                station->setNumber(number);
            }
        }
        ++k;
    }
    system.announce({});
}
