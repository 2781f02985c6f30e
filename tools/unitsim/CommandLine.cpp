#include "CommandLine.h"

#include <filesystem>

CommandLine::CommandLine(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            outcome_ = Outcome::Help;
            return;
        }
        if (arg == "--version") {
            outcome_ = Outcome::Version;
            return;
        }
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--unit") {
            if (i + 1 == args.size()) {
                fail("--unit needs a UNIT");
                return;
            }
            if (!addUnit(args[++i]))
                return;
        } else if (arg.rfind("--unit=", 0) == 0) {
            if (!addUnit(arg.substr(7)))
                return;
        } else {
            fail("unknown argument '" + arg + "'");
            return;
        }
    }
    if (units_.empty())
        fail("no --unit given");
}

bool CommandLine::fail(std::string why)
{
    outcome_ = Outcome::Error;
    error_ = std::move(why);
    return false;
}

bool CommandLine::addUnit(const std::string& description)
{
    UnitConfig config;
    std::string why;
    const std::string which = "unit " + std::to_string(units_.size() + 1);
    if (!UnitConfig::parse(description, config, why))
        return fail(which + ": " + why);
    std::error_code error;
    const std::filesystem::path dir =
        std::filesystem::absolute(config.dir, error).lexically_normal();
    for (const UnitConfig& other : units_) {
        if (other.address == config.address && other.port == config.port)
            return fail(which + ": " + config.address + ":" + std::to_string(config.port) +
                        " is taken by another unit");
        if (std::filesystem::absolute(other.dir, error).lexically_normal() == dir)
            return fail(which + ": dir " + config.dir + " is taken by another unit");
    }
    units_.push_back(std::move(config));
    return true;
}

std::string CommandLine::help()
{
    return std::string(
               "usage: r4000-unitsim --unit UNIT [--unit UNIT ...]\n"
               "       r4000-unitsim --help | --version\n"
               "\n"
               "Simulated R-4000 units for tests and demos: each UNIT is one unit, an HTTP\n"
               "server with the unit's CGI programs, its system name as user name and its\n"
               "password, that also answers the discovery protocol on UDP port 15000.\n"
               "Prints \"ready\" once every unit listens, runs until SIGTERM or SIGINT, then\n"
               "exits 0. Bad arguments: exit 2; a unit that cannot start: exit 1.\n"
               "\n"
               "UNIT is comma-separated key=value words and switches:\n") +
           UnitConfig::keysHelp() +
           "\n"
           "State folder: state.txt (key=value: name, password, maintenance, clock_yy,\n"
           "clock_hh, clock_mm, firmware, resets, restarting, mac, ip, mask, gateway,\n"
           "webport, model, unitname, and written_ip, written_mask, written_gateway,\n"
           "written_webport, written_unitname while a discovery write waits for the next\n"
           "restart), settings.cfg, pending/ (uploads applied at the next restart),\n"
           "firmware.bin, messages/NNN.pmf, requests/NNNNNN.txt (each request as received),\n"
           "requests.log (one line a request: sequence, method, path, status, auth=USER or\n"
           "auth=-) and udp.log (one line a discovery datagram: in or out, peer\n"
           "address:port, hex bytes, verdict).\n"
           "\n"
           "Discovery: one socket on 0.0.0.0:15000 for all units, which answer from their\n"
           "own address, as units on one LAN. Only senders in 127.0.0.0/8 and\n"
           "198.18.0.0/15 are answered. Without the socket (port taken) the units still\n"
           "serve HTTP.\n"
           "\n"
           "example: r4000-unitsim --unit address=127.0.0.2,port=18080,dir=/tmp/u1,auth=digest\n";
}
