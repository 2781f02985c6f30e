#pragma once

#include "Locale.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Exchange;
class ExchangeImpl;
struct ExchangeTraits;
class System;

// Creates equipment objects by model name. Model "R-4720MS" exists only under a Japanese
// user interface.
class ExManager
{
public:
    using Factory = std::function<std::unique_ptr<Exchange>(ExchangeImpl&, System&)>;

    explicit ExManager(Locale locale) : locale_(std::move(locale)) {}

    // Replaces any model of the same name.
    void registerModel(const ExchangeTraits& traits, Factory factory);
    // Null for an unknown model; the creation steps of the model have run on record.
    std::unique_ptr<Exchange> create(std::string_view model, ExchangeImpl& record,
                                     System& system) const;
    bool knows(std::string_view model) const;
    // What a known model is (its display name, its lines); null for a model it does not know.
    const ExchangeTraits* traits(std::string_view model) const;
    // Registered names in registration order.
    const std::vector<std::string>& models() const { return order_; }

private:
    Locale locale_;
    struct Registration {
        const ExchangeTraits* traits;
        Factory factory;
    };
    std::map<std::string, Registration, std::less<>> registrations_;
    std::vector<std::string> order_;
};
