#include "SystemCredentials.h"

#include "Exchange.h"
#include "PasswordCodec.h"
#include "System.h"

namespace {

// The white space the name field is trimmed of.
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

} // namespace

std::string SystemCredentials::trimmed(std::string_view name)
{
    const std::size_t first = name.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = name.find_last_not_of(kWhiteSpace);
    return std::string(name.substr(first, last - first + 1));
}

SystemCredentials::Outcome SystemCredentials::apply(System& system, std::string_view name,
                                                    std::string_view password,
                                                    std::string_view reentry)
{
    Outcome outcome;
    const std::string previousName = system.systemName();
    outcome.name = trimmed(name);
    outcome.trimmed = outcome.name.size() != name.size();

    const std::string stored = PasswordCodec::encode(password, outcome.name);
    auto refuse = [&outcome](Result result) {
        outcome.result = result;
        outcome.message = englishText(result);
        return outcome;
    };

    if (password != reentry)
        return refuse(Result::PasswordMismatch);
    if (!system.setSystemName(outcome.name))
        return refuse(Result::NameRefused);
    // The codec keeps only the first fifteen characters, so a longer password would decode
    // to a shorter one and be accepted; it is refused here instead.
    if (password.size() > PasswordCodec::kMaxPlainLength || !system.setPassword(stored)) {
        system.setSystemName(previousName);
        return refuse(Result::PasswordRefused);
    }

    for (int n = 1; n <= system.maxEquipment(); ++n) {
        if (Exchange* unit = system.equipment(n)) {
            unit->setSystemName(outcome.name);
            unit->setPassword(stored);
        }
    }
    return outcome;
}

SystemCredentials::Kept SystemCredentials::keep(const System& system)
{
    Kept kept{system.systemName(), system.password(), {}};
    for (int n = 1; n <= system.maxEquipment(); ++n) {
        const Exchange* unit = system.equipment(n);
        kept.units.emplace_back(unit ? unit->systemName() : std::string(),
                                unit ? unit->password() : std::string());
    }
    return kept;
}

void SystemCredentials::restore(System& system, const Kept& kept)
{
    system.setSystemName(kept.name);
    system.setPassword(kept.password);
    for (int n = 1; n <= system.maxEquipment() && n <= int(kept.units.size()); ++n) {
        if (Exchange* unit = system.equipment(n)) {
            unit->setSystemName(kept.units[std::size_t(n - 1)].first);
            unit->setPassword(kept.units[std::size_t(n - 1)].second);
        }
    }
}

int SystemCredentials::messageId(Result result)
{
    switch (result) {
    case Result::Ok:
        return 0;
    case Result::PasswordMismatch:
        return 5002;
    case Result::NameRefused:
        return 5004;
    case Result::PasswordRefused:
        return 5005;
    }
    return 0;
}

std::string SystemCredentials::englishText(Result result)
{
    switch (result) {
    case Result::Ok:
        return {};
    case Result::PasswordMismatch:
        return "Enter the same password twice.";
    case Result::NameRefused:
        return "Enter using up to 15 characters. (except " + std::string(kExcludedCharacters) + ")";
    case Result::PasswordRefused:
        return "Enter using up to 15 characters.";
    }
    return {};
}

std::string_view SystemCredentials::trimmedNotice()
{
    return "Leading and trailing white-spaces was removed from system name. ";
}
