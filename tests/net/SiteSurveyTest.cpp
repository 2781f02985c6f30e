// A scan held against a system: each kind of difference, and a site that matches.
#include "SiteSurvey.h"

#include "Exchange.h"
#include "R4000System.h"

#include <gtest/gtest.h>

namespace {

ScanElement answered(std::uint8_t mac, const std::string& address, const std::string& model,
                     const std::string& name)
{
    ScanElement unit;
    unit.macAddress = {0, 0, 0, 0, 1, mac};
    EXPECT_TRUE(Ipv4Address::fromText(address, unit.ipAddress));
    unit.modelName = model;
    unit.unitName = name;
    return unit;
}

class SiteSurveyTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const struct {
            const char* model;
            const char* name;
            const char* address;
        } units[] = {
            {"R-4100EX", "Hall", "198.18.1.11"},
            {"R-4100EX", "Annex", "198.18.1.12"},
            {"R-4100MI", "Gate", "198.18.1.13"},
            {"R-4100EX", "Store", "198.18.1.14"},
        };
        int n = 0;
        for (const auto& unit : units) {
            Exchange* added = system.insertEquipment(++n, unit.model);
            ASSERT_NE(added, nullptr);
            ASSERT_TRUE(added->setExchangeName(unit.name));
            ASSERT_TRUE(added->setIpAddressText(unit.address));
        }
    }

    void scanned(const ScanElement& unit) { site[ScanElement::macText(unit.macAddress)] = unit; }

    R4000System system;
    std::map<std::string, ScanElement> site;
};

TEST_F(SiteSurveyTest, NamesEachKindOfDifference)
{
    scanned(answered(1, "198.18.1.11", "R-4100EX", "Hall"));
    scanned(answered(2, "198.18.1.12", "R-4120EX", "Annex"));  // another model
    scanned(answered(3, "198.18.2.40", "R-4100MI", "Gate"));   // moved
    scanned(answered(5, "198.18.1.30", "R-4100EX", "Spare"));  // not in the system
    scanned(answered(6, "198.18.1.30", "R-4100EX", "Spare2")); // same address
    const SiteSurvey survey(system, site);

    ASSERT_EQ(survey.units().size(), 4u);
    using Status = SiteSurvey::Status;
    EXPECT_EQ(survey.units()[0].status, Status::Found);
    EXPECT_EQ(survey.units()[1].status, Status::ModelDiffers);
    EXPECT_EQ(survey.units()[1].found.modelName, "R-4120EX");
    EXPECT_EQ(survey.units()[2].status, Status::Elsewhere);
    EXPECT_EQ(survey.units()[2].found.ipAddress.toText(), "198.18.2.40");
    EXPECT_EQ(survey.units()[3].status, Status::Missing);
    ASSERT_EQ(survey.unknown().size(), 2u);
    EXPECT_EQ(survey.unknown()[0].unitName, "Spare");
    ASSERT_EQ(survey.sharedAddresses().size(), 1u);
    EXPECT_EQ(survey.sharedAddresses()[0].address, "198.18.1.30");
    EXPECT_EQ(survey.sharedAddresses()[0].macs,
              (std::vector<std::string>{"00-00-00-00-01-05", "00-00-00-00-01-06"}));
    EXPECT_TRUE(survey.differs());
}

// A unit that answers at its own address is that unit, whatever it calls itself; a unit
// elsewhere is only taken by name when no unit of the system stands at that address.
TEST_F(SiteSurveyTest, AddressComesBeforeName)
{
    scanned(answered(1, "198.18.1.11", "R-4100EX", "Annex"));
    scanned(answered(2, "198.18.1.12", "R-4100EX", "Hall"));
    scanned(answered(3, "198.18.1.13", "R-4100MI", "Gate"));
    scanned(answered(4, "198.18.1.14", "R-4100EX", "Store"));
    const SiteSurvey survey(system, site);
    for (const SiteSurvey::UnitResult& result : survey.units())
        EXPECT_EQ(result.status, SiteSurvey::Status::Found) << result.number;
    EXPECT_TRUE(survey.unknown().empty());
    EXPECT_FALSE(survey.differs());
}

// A name says where a unit went only when one unit of its model answers with it.
TEST_F(SiteSurveyTest, AMovedUnitIsTakenByANameOnlyOneUnitHas)
{
    scanned(answered(1, "198.18.1.11", "R-4100EX", "Hall"));
    scanned(answered(2, "198.18.1.12", "R-4100EX", "Annex"));
    scanned(answered(3, "198.18.2.40", "R-4100EX", "Gate"));  // another model than unit 3
    scanned(answered(4, "198.18.2.41", "R-4100EX", "Store")); // two answer as Store
    scanned(answered(5, "198.18.2.42", "R-4100EX", "Store"));
    const SiteSurvey survey(system, site);
    EXPECT_EQ(survey.units()[2].status, SiteSurvey::Status::Missing);
    EXPECT_EQ(survey.units()[3].status, SiteSurvey::Status::Missing);
    EXPECT_EQ(survey.unknown().size(), 3u);
}

} // namespace
