#pragma once

#include <string>
#include <vector>

// The addresses the program broadcasts from: the first IPv4 address of every interface
// that is up, loopback (127.x) left out, in the order the system lists them.
namespace LocalAddresses {

struct Interface {
    std::string name; // "eth0"
    std::string address;
};

std::vector<std::string> list();
// The same with the interfaces' names.
std::vector<Interface> interfaces();

} // namespace LocalAddresses
