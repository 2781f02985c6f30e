#pragma once

#include "BlockGroupMember.h"

#include <string>
#include <string_view>

// One contact output: driven by an operation number, or signalling the state of a unit
// on the network or of a line.
class ContactOut : public BlockGroupMember
{
public:
    ContactOut(ExchangeImpl& owner, int number);

    ExchangeImpl& owner() const { return owner_; }
    bool setNumber(int number);
    int number() const { return number_; }

    static constexpr int kMaxOperationNumber = 1280;
    // The highest number an operation number of that many digits takes.
    static int highestOperationNumber(int digits);

    // Digits only, at most as many as the system's access-number digits; shorter values
    // are zero-padded to that width; 0 clears; otherwise 1..1280.
    bool setOperationNumber(std::string_view text);
    bool setOperationNumberValue(int value);
    const std::string& operationNumber() const { return operationNumber_; }

    void setNetworkSurveillance(std::string_view text) { networkSurveillance_ = text; }
    const std::string& networkSurveillance() const { return networkSurveillance_; }
    void setLineSurveillance(std::string_view text) { lineSurveillance_ = text; }
    void setLineSurveillanceLine(int exchange, int line);
    const std::string& lineSurveillance() const { return lineSurveillance_; }

    // Before writing: surveillance of units above those in use is cleared; an output
    // without operation number leaves its blocking group.
    void applyRules(int equipmentInUse);

    Kind memberKind() const override { return Kind::ContactOut; }
    ExchangeImpl& memberOwner() const override { return owner_; }
    int memberNumber() const override { return number_; }

private:
    ExchangeImpl& owner_;
    int number_;
    std::string operationNumber_;
    std::string networkSurveillance_;
    std::string lineSurveillance_;
};
