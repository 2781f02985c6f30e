#include "UnitAddressCheck.h"

#include "Exchange.h"
#include "System.h"

#include <string>
#include <unordered_map>

namespace UnitAddressCheck {
namespace {

std::string key(int networkId, const std::string& address, int port)
{
    return std::to_string(networkId) + ":" + address + ":" + std::to_string(port);
}

} // namespace

const Exchange* firstDuplicate(const System& system)
{
    std::unordered_map<std::string, int> owners;
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& unit = *system.equipment(n);
        for (const std::string& each :
             {key(unit.networkId(), unit.ipAddressText(), unit.websPort()),
              key(unit.networkId(), unit.wanIpAddressText(), unit.wanWebsPort())}) {
            const auto [at, inserted] = owners.emplace(each, n);
            if (!inserted && at->second != n)
                return &unit;
        }
    }
    return nullptr;
}

} // namespace UnitAddressCheck
