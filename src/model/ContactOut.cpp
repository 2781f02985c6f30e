#include "ContactOut.h"

#include "ExchangeImpl.h"
#include "System.h"
#include "TextRules.h"

#include <algorithm>
#include <cstdio>

ContactOut::ContactOut(ExchangeImpl& owner, int number) : owner_(owner), number_(number) {}

bool ContactOut::setNumber(int number)
{
    if (number < 0 || number > ExchangeImpl::kContacts)
        return false;
    number_ = number;
    return true;
}

int ContactOut::highestOperationNumber(int digits)
{
    int highest = 9;
    for (int d = 1; d < digits && highest < kMaxOperationNumber; ++d)
        highest = highest * 10 + 9;
    return std::min(highest, kMaxOperationNumber);
}

bool ContactOut::setOperationNumber(std::string_view text)
{
    if (text.empty()) {
        operationNumber_.clear();
        return true;
    }
    const int digits = owner_.system().controlDigits();
    unsigned long value = 0;
    if (int(text.size()) > digits || !TextRules::parseNumber(text, 9999, value))
        return false;
    if (value == 0) {
        operationNumber_.clear();
        return true;
    }
    if (value > unsigned(kMaxOperationNumber))
        return false;
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*lu", digits, value);
    operationNumber_ = buffer;
    return true;
}

bool ContactOut::setOperationNumberValue(int value)
{
    return value >= 0 && setOperationNumber(std::to_string(value));
}

void ContactOut::setLineSurveillanceLine(int exchange, int line)
{
    lineSurveillance_ = std::to_string(exchange) + ":" + std::to_string(line);
}

void ContactOut::applyRules(int equipmentInUse)
{
    const auto inUse = static_cast<unsigned long>(equipmentInUse);
    if (!networkSurveillance_.empty() && TextRules::leadingNumber(networkSurveillance_) > inUse)
        networkSurveillance_.clear();
    if (!lineSurveillance_.empty() && TextRules::leadingNumber(lineSurveillance_) > inUse)
        lineSurveillance_.clear();
    if (operationNumber_.empty())
        leaveBlockGroup();
}
