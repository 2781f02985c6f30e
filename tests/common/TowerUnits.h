#pragma once

#include "TempFolder.h"
#include "UnitSimProcess.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Simulated units answering as the system Tower (password "secret") at 198.18.0.11, .12, ...,
// each keeping its state in a folder of its own below a temporary one. The addresses exist
// only inside the test's own network namespace (scripts/in-netns).
class TowerUnits
{
public:
    static std::string address(int n) { return "198.18.0." + std::to_string(10 + n); }
    std::string dir(int n) const { return folder_.path() + "/unit" + std::to_string(n); }

    // Units 1..count but those down, each with the switches of every (all) and its own extra
    // ones. Units already running give their addresses back first.
    bool start(int count, const std::map<int, std::string>& extra = {},
               std::initializer_list<int> down = {}, const std::string& all = {})
    {
        std::vector<std::string> descriptions;
        for (int n = 1; n <= count; ++n) {
            if (std::find(down.begin(), down.end(), n) != down.end())
                continue;
            std::string description = "address=" + address(n) + ",port=80,dir=" + dir(n) +
                                      ",name=Tower,password=secret,restart-ms=100";
            if (!all.empty())
                description += "," + all;
            if (const auto it = extra.find(n); it != extra.end())
                description += "," + it->second;
            descriptions.push_back(description);
        }
        sim_.reset();
        sim_ = std::make_unique<UnitSimProcess>(descriptions);
        return sim_->ready();
    }

private:
    TempFolder folder_;
    std::unique_ptr<UnitSimProcess> sim_;
};
