#pragma once

#include "HttpClient.h"
#include "TempFolder.h"
#include "UnitSimProcess.h"
#include "UnitStateFolder.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

// One simulated unit on a free loopback port with its state in a fresh folder. Each test
// process takes a loopback address of its own (tests may run in parallel), 127.2.x.y.
class UnitSimFixture : public testing::Test
{
protected:
    static std::string processAddress()
    {
        const unsigned n = static_cast<unsigned>(::getpid()) % 62500;
        return "127.2." + std::to_string(n / 250) + "." + std::to_string(n % 250 + 1);
    }

    std::string dir() const { return temp.path() + "/unit"; }

    std::string description(const std::string& extra) const
    {
        return "address=" + address + ",port=" + std::to_string(port) + ",dir=" + dir() +
               (extra.empty() ? "" : "," + extra);
    }

    // Starts (or starts again) the program with one unit.
    testing::AssertionResult startUnit(const std::string& extra = "")
    {
        sim.reset();
        sim = std::make_unique<UnitSimProcess>(std::vector<std::string>{description(extra)});
        if (sim->ready())
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "not ready: " << sim->errorOutput();
    }

    HttpClient client(const std::string& user = "R-4000", const std::string& password = "r4000",
                      HttpClient::Auth auth = HttpClient::Auth::Basic) const
    {
        HttpClient http(address, port);
        http.setCredentials(user, password, auth);
        return http;
    }

    std::string file(const std::string& relative) const
    {
        return UnitStateFolder::file(dir(), relative);
    }
    std::string state(const std::string& key) const { return UnitStateFolder::value(dir(), key); }
    testing::AssertionResult restarted(unsigned resets)
    {
        return UnitStateFolder::restarted(dir(), resets);
    }

    TempFolder temp;
    const std::string address = processAddress();
    unsigned port = UnitSimProcess::freePort(address);
    std::unique_ptr<UnitSimProcess> sim;
};
