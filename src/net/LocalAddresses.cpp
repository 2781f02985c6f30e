#include "LocalAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <set>

namespace LocalAddresses {

std::vector<std::string> list()
{
    std::vector<std::string> addresses;
    for (const Interface& interface : interfaces())
        addresses.push_back(interface.address);
    return addresses;
}

std::vector<Interface> interfaces()
{
    std::vector<Interface> addresses;
    ifaddrs* all = nullptr;
    if (::getifaddrs(&all) != 0)
        return addresses;
    std::set<std::string> seen;
    for (const ifaddrs* entry = all; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET ||
            !(entry->ifa_flags & IFF_UP) || !seen.insert(entry->ifa_name).second)
            continue;
        const in_addr address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr;
        if ((ntohl(address.s_addr) >> 24) == 127)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &address, text, sizeof text);
        addresses.push_back({entry->ifa_name, text});
    }
    ::freeifaddrs(all);
    return addresses;
}

} // namespace LocalAddresses
