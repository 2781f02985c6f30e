#pragma once

#include "FileText.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <thread>

// What a simulated unit keeps in its state folder, as the tests read it.
namespace UnitStateFolder {

// A file of the folder, empty when it is missing.
inline std::string file(const std::string& dir, const std::string& relative)
{
    return readWholeFile(dir + "/" + relative);
}

// A value of state.txt, "<missing>" when it has none.
inline std::string value(const std::string& dir, const std::string& key)
{
    std::istringstream lines(file(dir, "state.txt"));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    return "<missing>";
}

// Waits until the unit finished its resets-th restart and listens again.
inline testing::AssertionResult restarted(const std::string& dir, unsigned resets)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (value(dir, "resets") == std::to_string(resets) && value(dir, "restarting") == "0")
            return testing::AssertionSuccess();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return testing::AssertionFailure()
           << "resets=" << value(dir, "resets") << " restarting=" << value(dir, "restarting");
}

} // namespace UnitStateFolder
