#pragma once

#include "UnitConfig.h"

#include <string>
#include <vector>

// The program's arguments: one or more "--unit UNIT" (or "--unit=UNIT") and "--help".
class CommandLine
{
public:
    enum class Outcome { Run, Help, Version, Error };

    explicit CommandLine(const std::vector<std::string>& args);

    Outcome outcome() const { return outcome_; }
    const std::vector<UnitConfig>& units() const { return units_; }
    const std::string& error() const { return error_; }

    static std::string help();

private:
    bool fail(std::string why);
    bool addUnit(const std::string& description);

    Outcome outcome_ = Outcome::Run;
    std::vector<UnitConfig> units_;
    std::string error_;
};
