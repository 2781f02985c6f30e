#include "ContactOutStatus.h"

#include "TextRules.h"

namespace {

constexpr std::string_view kAll = "ALL";

} // namespace

ContactOutStatus::LineTarget ContactOutStatus::readLine(std::string_view text)
{
    if (text.empty())
        return {};
    if (TextRules::equalsIgnoreCase(text, kAll))
        return {Line::All, 0, 0};
    const std::size_t colon = text.find(':');
    const int exchange = int(TextRules::leadingNumber(text));
    if (colon == std::string_view::npos || colon + 1 == text.size())
        return {Line::Exchange, exchange, 0};
    return {Line::Station, exchange, int(TextRules::leadingNumber(text.substr(colon + 1)))};
}

std::string ContactOutStatus::lineText(const LineTarget& target)
{
    switch (target.kind) {
    case Line::All:
        return std::string(kAll);
    case Line::Exchange:
        return std::to_string(target.exchange) + ':';
    case Line::Station:
        return std::to_string(target.exchange) + ':' + std::to_string(target.line);
    default:
        return {};
    }
}

ContactOutStatus::NetworkTarget ContactOutStatus::readNetwork(std::string_view text)
{
    if (text.empty())
        return {};
    if (TextRules::equalsIgnoreCase(text, kAll))
        return {Network::All, 0};
    return {Network::Unit, int(TextRules::leadingNumber(text))};
}

std::string ContactOutStatus::networkText(const NetworkTarget& target)
{
    switch (target.kind) {
    case Network::All:
        return std::string(kAll);
    case Network::Unit:
        return std::to_string(target.unit);
    default:
        return {};
    }
}
