#pragma once

#include "CredentialsPrompt.h"
#include "Exchange.h"
#include "R4000System.h"
#include "SystemCredentials.h"
#include "TempFolder.h"
#include "UnitClient.h"
#include "UnitSimProcess.h"
#include "UnitStateFolder.h"

#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

// Answers the login prompt from a script and counts the questions; any thread may ask.
class ScriptedPrompt : public CredentialsPrompt
{
public:
    std::optional<Credentials> ask(const std::string&, int, const Credentials&) override
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++asked;
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<Credentials>> answers;
    int asked = 0;

private:
    std::mutex mutex_;
};

// A system of units at 198.18.0.11, .12, ... and simulated units behind those addresses.
// The addresses exist only inside the test's own network namespace (scripts/in-netns).
class UnitsFixture : public testing::Test
{
public:
    static constexpr const char* kStamp = "2026/12/10 09:00:00";

    void SetUp() override
    {
        options.resetWaitMs = 20;
        options.busyPollWaitMs = 20;
        options.stamp = kStamp;
        options.cgi.connectTimeoutMs = 2000;
        options.cgi.transferTimeoutMs = 4000;
        options.cgi.watchdogMs = 8000;
        options.cgi.stallWaitMs = 100;
    }

    static std::string addressOf(int n) { return "198.18.0." + std::to_string(10 + n); }

    // count units of model in the system under the system's name and password.
    void addUnits(int count, const std::string& name = "Tower",
                  const std::string& password = "secret", const char* model = "R-4100EX")
    {
        ASSERT_TRUE(SystemCredentials::apply(system, name, password, password).ok());
        for (int n = 1; n <= count; ++n) {
            Exchange* unit = system.insertEquipment(n, model);
            ASSERT_NE(unit, nullptr);
            ASSERT_TRUE(unit->setExchangeName("EX" + std::to_string(n)));
            ASSERT_TRUE(unit->setIpAddressText(addressOf(n)));
            unit->setNapt(false);
        }
    }

    std::string dir(int n) const { return temp.path() + "/unit" + std::to_string(n); }

    // One simulated unit per unit of the system; extra: switches of single units.
    testing::AssertionResult startUnits(const std::map<int, std::string>& extra = {},
                                        const std::string& name = "Tower",
                                        const std::string& password = "secret")
    {
        std::vector<std::string> descriptions;
        for (int n = 1; n <= system.registeredCount(); ++n) {
            std::string description = "address=" + addressOf(n) + ",port=80,dir=" + dir(n) +
                                      ",name=" + name + ",password=" + password + ",restart-ms=100";
            if (const auto it = extra.find(n); it != extra.end())
                description += "," + it->second;
            descriptions.push_back(description);
        }
        sim.reset(); // the old units give their addresses back first
        sim = std::make_unique<UnitSimProcess>(descriptions);
        if (sim->ready())
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "not ready: " << sim->errorOutput();
    }

    Exchange& unit(int n) { return *system.equipment(n); }
    UnitClient client(int n) { return UnitClient(unit(n), &prompt, options); }

    std::string file(int n, const std::string& relative) const
    {
        return UnitStateFolder::file(dir(n), relative);
    }
    std::string state(int n, const std::string& key) const
    {
        return UnitStateFolder::value(dir(n), key);
    }

    // The requests unit n received, one summary line each: "seq METHOD PATH status auth=user".
    std::vector<std::string> log(int n) const
    {
        std::vector<std::string> lines;
        std::istringstream in(file(n, "requests.log"));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    // The requests that carried credentials, as "METHOD PATH auth=user".
    std::vector<std::string> loggedIn(int n) const
    {
        std::vector<std::string> out;
        for (const std::string& line : log(n)) {
            std::istringstream words(line);
            std::string seq, method, path, status, auth;
            words >> seq >> method >> path >> status >> auth;
            if (auth != "auth=-")
                out.push_back(method + " " + path + " " + auth);
        }
        return out;
    }

    // Waits until unit n has restarted resets times and listens again.
    testing::AssertionResult restarted(int n, int resets)
    {
        return UnitStateFolder::restarted(dir(n), unsigned(resets));
    }

    TempFolder temp;
    R4000System system;
    ScriptedPrompt prompt;
    UnitClient::Options options;
    std::unique_ptr<UnitSimProcess> sim;
};
