#include "CommandLine.h"
#include "DiscoveryServer.h"
#include "SimUnit.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const CommandLine commandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (commandLine.outcome() == CommandLine::Outcome::Help) {
        std::fputs(CommandLine::help().c_str(), stdout);
        return 0;
    }
    if (commandLine.outcome() == CommandLine::Outcome::Version) {
        std::puts("r4000-unitsim " R4000_VERSION);
        return 0;
    }
    if (commandLine.outcome() == CommandLine::Outcome::Error) {
        std::fprintf(stderr, "r4000-unitsim: %s\nTry 'r4000-unitsim --help'.\n",
                     commandLine.error().c_str());
        return 2;
    }

    // SIGTERM and SIGINT are taken with sigwait, so no thread may get them first; an ignored
    // disposition inherited from the parent would drop them altogether.
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::vector<std::unique_ptr<SimUnit>> units;
    for (const UnitConfig& config : commandLine.units()) {
        units.push_back(std::make_unique<SimUnit>(config));
        std::string error;
        if (!units.back()->start(error)) {
            std::fprintf(stderr, "r4000-unitsim: unit %zu: %s\n", units.size(), error.c_str());
            return 1;
        }
    }
    std::vector<SimUnit*> members;
    for (auto& unit : units)
        members.push_back(unit.get());
    DiscoveryServer discovery(members);
    std::string error;
    if (!discovery.start(error))
        std::fprintf(stderr, "r4000-unitsim: no discovery: %s\n", error.c_str());
    std::fputs("ready\n", stdout);
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    discovery.stop();
    for (auto& unit : units)
        unit->stop();
    return 0;
}
