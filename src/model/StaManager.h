#pragma once

#include "Locale.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class Station;
class StationImpl;
class System;

// Creates station objects by model name, and keeps the names as one "|"-separated pick
// list for the station grid. Model "R-4720MS" exists only under a Japanese user interface.
class StaManager
{
public:
    using Factory = std::function<std::unique_ptr<Station>(StationImpl&, System&)>;

    explicit StaManager(Locale locale) : locale_(std::move(locale)) {}

    void registerModel(std::string_view model, Factory factory);
    std::unique_ptr<Station> create(std::string_view model, StationImpl& settings,
                                    System& system) const;
    bool knows(std::string_view model) const;
    const std::string& modelList() const { return list_; }

private:
    Locale locale_;
    std::map<std::string, Factory, std::less<>> factories_;
    std::string list_;
};
