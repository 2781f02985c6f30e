// The rules the System Setting Tool applies to the whole system: the equipment counts,
// the transmission modes and the address check before units are reached.
#include "EquipmentCounts.h"
#include "SystemFixture.h"
#include "TransmissionMode.h"
#include "UnitAddressCheck.h"

#include <string>
#include <vector>

using Category = EquipmentCounts::Category;

namespace {

std::vector<std::string> typesOf(const System& system)
{
    std::vector<std::string> types;
    for (int n = 1; n <= system.registeredCount(); ++n)
        types.emplace_back(EquipmentCounts::typeText(*system.equipment(n)));
    return types;
}

} // namespace

class EquipmentCountsTest : public SystemFixture
{
};

TEST_F(EquipmentCountsTest, NewUnitsGoAfterTheLastWithTheDefaultModel)
{
    fill({"R-4100MI", "R-4120EX"});
    ASSERT_TRUE(EquipmentCounts::setCount(sys, Category::Exchange, 3));
    ASSERT_TRUE(EquipmentCounts::setCount(sys, Category::IPStation, 1));
    EXPECT_EQ(typesOf(sys), (std::vector<std::string>{"MI", "EX", "EX", "EX", "IP"}));
    EXPECT_EQ(unit(3).modelName(), "R-4100EX");
    EXPECT_EQ(unit(5).modelName(), "R-4700MS");
    EXPECT_EQ(unit(5).exchangeNumber(), 5);
}

TEST_F(EquipmentCountsTest, LoweringRemovesTheHighestOfTheCategoryOnly)
{
    fill({"R-4100EX", "R-4100MI", "R-4120EX", "R-4100EX", "R-4100MI"});
    unit(3).setExchangeName("keep");
    ASSERT_TRUE(EquipmentCounts::setCount(sys, Category::Exchange, 2));
    EXPECT_EQ(typesOf(sys), (std::vector<std::string>{"EX", "MI", "EX", "MI"}));
    EXPECT_EQ(unit(3).exchangeName(), "keep");
    ASSERT_TRUE(EquipmentCounts::setCount(sys, Category::MultiInterface, 0));
    EXPECT_EQ(typesOf(sys), (std::vector<std::string>{"EX", "EX"}));
}

TEST_F(EquipmentCountsTest, TheSystemMaximumIsNeverPassed)
{
    ASSERT_TRUE(EquipmentCounts::setCount(sys, Category::Exchange, 50));
    ASSERT_TRUE(EquipmentCounts::setCount(sys, Category::IPStation, 20));
    EXPECT_FALSE(EquipmentCounts::setCount(sys, Category::MultiInterface, 11));
    EXPECT_FALSE(EquipmentCounts::setCount(sys, Category::MultiInterface, -1));
    EXPECT_EQ(sys.registeredCount(), 70);
    EXPECT_TRUE(EquipmentCounts::setCount(sys, Category::MultiInterface, 10));
    EXPECT_EQ(EquipmentCounts::count(sys, Category::MultiInterface), 10);
    EXPECT_EQ(sys.registeredCount(), 80);
}

TEST(TransmissionModeTest, RatesOfEachModeWithoutTrailingZeros)
{
    struct Case {
        TransmissionMode::Mode mode;
        const char* first;
        const char* second;
        const char* last;
    };
    for (const Case& c : {Case{TransmissionMode::HighQuality, "130", "260", "2990"},
                          Case{TransmissionMode::Standard, "98", "196", "2254"},
                          Case{TransmissionMode::BandwidthSaving, "49.5", "99", "1138.5"}}) {
        const auto list = TransmissionMode::rates(c.mode);
        ASSERT_EQ(list.size(), std::size_t(TransmissionMode::kRateCount));
        EXPECT_EQ(list.front(), c.first);
        EXPECT_EQ(list[1], c.second);
        EXPECT_EQ(list.back(), c.last);
    }
    EXPECT_EQ(TransmissionMode::rateIndex(TransmissionMode::BandwidthSaving, "544.5"), 10);
    EXPECT_EQ(TransmissionMode::rateIndex(TransmissionMode::HighQuality, "544.5"), -1);
}

TEST(TransmissionModeTest, ModesFollowTheStreamSpec)
{
    using TransmissionMode::of;
    EXPECT_EQ(of(16, 64), TransmissionMode::HighQuality);
    EXPECT_EQ(of(8, 32), TransmissionMode::Standard);
    EXPECT_EQ(of(8, 128), TransmissionMode::BandwidthSaving);
    for (int mode = 0; mode < TransmissionMode::kModeCount; ++mode) {
        const auto m = TransmissionMode::Mode(mode);
        EXPECT_EQ(of(TransmissionMode::samplingFrequency(m), TransmissionMode::packetLength(m)), m);
    }
}

class UnitAddressCheckTest : public SystemFixture
{
protected:
    void SetUp() override
    {
        fill({"R-4100EX", "R-4100EX"});
        ASSERT_TRUE(unit(1).setIpAddressText("198.18.0.10"));
        ASSERT_TRUE(unit(2).setIpAddressText("198.18.0.11"));
        for (int n : {1, 2}) {
            unit(n).setNapt(true);
            unit(n).setWanIpAddressText(unit(n).ipAddressText());
        }
    }
};

TEST_F(UnitAddressCheckTest, SameLanPlaceIsADuplicateOnlyUnderOneNetworkId)
{
    EXPECT_EQ(UnitAddressCheck::firstDuplicate(sys), nullptr);
    ASSERT_TRUE(unit(2).setIpAddressText("198.18.0.10"));
    ASSERT_TRUE(unit(2).setWanIpAddressText("198.18.0.12"));
    ASSERT_TRUE(unit(2).setNetworkId(2));
    EXPECT_EQ(UnitAddressCheck::firstDuplicate(sys), nullptr);
    ASSERT_TRUE(unit(2).setNetworkId(1));
    EXPECT_EQ(UnitAddressCheck::firstDuplicate(sys), &unit(2));
}

TEST_F(UnitAddressCheckTest, WanPlaceEqualToAnotherUnitsLanPlaceIsADuplicate)
{
    ASSERT_TRUE(unit(2).setWanIpAddressText("198.18.0.10"));
    ASSERT_TRUE(unit(2).setWanWebsPort(unit(1).websPort()));
    EXPECT_EQ(UnitAddressCheck::firstDuplicate(sys), &unit(2));
    ASSERT_TRUE(unit(2).setWanWebsPort(8080));
    EXPECT_EQ(UnitAddressCheck::firstDuplicate(sys), nullptr);
}
