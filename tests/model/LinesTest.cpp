#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "R4000System.h"
#include "Station.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class LinesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ex = sys.insertEquipment(1, "R-4100EX");
        mi = sys.insertEquipment(2, "R-4100MI");
        ASSERT_NE(ex, nullptr);
        ASSERT_NE(mi, nullptr);
    }

    R4000System sys;
    Exchange* ex = nullptr;
    Exchange* mi = nullptr;
};

TEST_F(LinesTest, KeywordsIgnoreCaseAndUnknownOnesReset)
{
    AudioIn& in = *mi->audioIn(1);
    EXPECT_TRUE(in.setMode("bgm"));
    EXPECT_EQ(in.modeName(), "BGM");
    EXPECT_FALSE(in.setMode("PAGING"));
    EXPECT_EQ(in.modeName(), "NONE") << "an unknown keyword resets the mode";
    EXPECT_TRUE(in.setLineAttribute("dp20"));
    EXPECT_FALSE(in.setLineAttribute("DP30"));
    EXPECT_EQ(in.lineAttributeName(), "PB");
    EXPECT_TRUE(in.setLineStart("Timing_Start"));
    EXPECT_EQ(in.lineStartName(), "TIMING_START");

    AudioOut& out = *mi->audioOut(1);
    EXPECT_TRUE(out.setMode("pa_pag"));
    EXPECT_EQ(out.modeName(), "PA_PAG");
    EXPECT_FALSE(out.setMode("AUX_INPUT_PAG"));
    EXPECT_EQ(out.modeName(), "NONE");

    ContactIn& contact = *mi->contactIn(1);
    EXPECT_TRUE(contact.setMode("remote_control"));
    EXPECT_FALSE(contact.setMode("PBX"));
    EXPECT_EQ(contact.modeName(), "NONE");
}

TEST_F(LinesTest, AudioInputModeIsAnnouncedEveryTime)
{
    struct Counter : Observer {
        int calls = 0;
        void update(Observable&, std::string_view hint) override
        {
            calls += hint == "audio_in_mode";
        }
    } counter;
    AudioIn& in = *mi->audioIn(2);
    in.addObserver(&counter);
    in.setMode("PBX");
    in.setMode("PBX");
    in.setMode("nonsense");
    EXPECT_EQ(counter.calls, 2);
}

TEST_F(LinesTest, AccessNumber)
{
    AudioIn& in = *mi->audioIn(1);
    EXPECT_FALSE(in.setAccessNumber("123"));
    EXPECT_FALSE(in.setAccessNumber("7a"));
    EXPECT_TRUE(in.setAccessNumber("07"));
    EXPECT_TRUE(in.setAccessNumber("NONE"));
    EXPECT_EQ(in.accessNumber(), "07");
    EXPECT_TRUE(in.setAccessNumber(""));
    EXPECT_EQ(in.accessNumber(), "");
}

TEST_F(LinesTest, LevelsAndNumbers)
{
    EXPECT_TRUE(mi->audioIn(1)->setInputLevel(3));
    EXPECT_FALSE(mi->audioIn(1)->setInputLevel(4));
    EXPECT_EQ(mi->audioIn(1)->inputLevel(), 3);
    EXPECT_FALSE(mi->audioOut(1)->setOutputLevel(-1));
    EXPECT_EQ(mi->audioOut(1)->outputLevel(), 3);
    EXPECT_FALSE(mi->audioIn(1)->setNumber(3));
    EXPECT_FALSE(mi->contactOut(1)->setNumber(17));
    EXPECT_TRUE(mi->contactOut(1)->setNumber(16));
}

struct DialCase {
    std::string text;
    bool accepted;
};

class RemoteDial : public LinesTest, public testing::WithParamInterface<DialCase>
{
};

TEST_P(RemoteDial, TokensAndLength)
{
    ContactIn& contact = *mi->contactIn(3);
    ASSERT_TRUE(contact.setRemoteDial("1"));
    EXPECT_EQ(contact.setRemoteDial(GetParam().text), GetParam().accepted) << GetParam().text;
    EXPECT_EQ(contact.remoteDial(), GetParam().accepted ? GetParam().text : "1");
}

INSTANTIATE_TEST_SUITE_P(Dials, RemoteDial,
                         testing::Values(DialCase{"", true}, DialCase{"12#*", true},
                                         DialCase{"HFPN0", true}, DialCase{"C9DCTR", true},
                                         DialCase{"HX", false}, DialCase{"P", false},
                                         DialCase{"hf", false}, DialCase{"1 2", false},
                                         DialCase{std::string(20, '5'), true},
                                         DialCase{std::string(21, '5'), false},
                                         DialCase{"HF" + std::string(19, '1'), true},
                                         DialCase{"HF" + std::string(20, '1'), false}));

struct OperationCase {
    int digits;
    const char* text;
    bool accepted;
    const char* stored;
};

class OperationNumber : public LinesTest, public testing::WithParamInterface<OperationCase>
{
};

TEST_P(OperationNumber, PadsToTheAccessDigits)
{
    const OperationCase& c = GetParam();
    ASSERT_TRUE(sys.setControlDigits(c.digits));
    ContactOut& out = *mi->contactOut(1);
    ASSERT_TRUE(out.setOperationNumber("1"));
    const std::string before = out.operationNumber();
    EXPECT_EQ(out.setOperationNumber(c.text), c.accepted) << c.text;
    EXPECT_EQ(out.operationNumber(), c.accepted ? std::string(c.stored) : before);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, OperationNumber,
    testing::Values(OperationCase{2, "5", true, "05"}, OperationCase{2, "123", false, ""},
                    OperationCase{2, "00", true, ""}, OperationCase{2, "", true, ""},
                    OperationCase{2, "5a", false, ""}, OperationCase{2, "-5", false, ""},
                    OperationCase{4, "1281", false, ""}, OperationCase{4, "1280", true, "1280"},
                    OperationCase{4, "12", true, "0012"},
                    OperationCase{4, "99999999999999999999", false, ""}));

TEST_F(LinesTest, ContactInputModesFallBackWithoutTheirLinks)
{
    ContactIn& level = *mi->contactIn(1);
    level.setMode("LEVEL");
    level.setBridgeOutput(mi->contactOut(4));
    level.setRemoteDial("12");

    ContactIn& aux = *mi->contactIn(2);
    aux.setMode("AUX_INPUT_PAG");
    aux.setAudioInLink(mi->audioIn(1)); // still in mode NONE
    aux.setPagingZone(sys.paging(3));

    ContactIn& remote = *mi->contactIn(3);
    remote.setMode("REMOTE_CONTROL");
    remote.setRemoteStation(ex->station(20)); // no such line: null

    ContactIn& busy = *mi->contactIn(4);
    busy.setMode("BUSY_INPUT1");
    busy.setBridgeOutput(mi->contactOut(5));

    sys.applyModelRules();
    EXPECT_EQ(level.modeName(), "LEVEL");
    EXPECT_EQ(level.bridgeOutput(), mi->contactOut(4));
    EXPECT_EQ(level.remoteDial(), "12") << "kept for a later change of mode";
    EXPECT_EQ(aux.modeName(), "NONE") << "linked input is not an aux paging input";
    EXPECT_EQ(aux.audioInLink(), nullptr);
    EXPECT_EQ(remote.modeName(), "NONE");
    EXPECT_EQ(busy.bridgeOutput(), nullptr);
}

TEST_F(LinesTest, AuxPagingInputKeepsItsLinks)
{
    ASSERT_TRUE(mi->audioIn(1)->setMode("AUX_INPUT_PAG"));
    ContactIn& aux = *mi->contactIn(2);
    aux.setMode("AUX_INPUT_PAG");
    aux.setAudioInLink(mi->audioIn(1));
    aux.setPagingZone(sys.paging(3));
    sys.applyModelRules();
    EXPECT_EQ(aux.modeName(), "AUX_INPUT_PAG");
    EXPECT_EQ(aux.audioInLink(), mi->audioIn(1));
    EXPECT_EQ(aux.pagingZone(), sys.paging(3));
}

TEST_F(LinesTest, ReplacingTheUnitClearsLinksToLinesItNoLongerHas)
{
    Exchange* other = sys.insertEquipment(3, "R-4100MI");
    ContactIn& input = *other->contactIn(1);
    input.setMode("LEVEL");
    input.setBridgeOutput(mi->contactOut(16));
    ContactIn& remote = *other->contactIn(2);
    remote.setMode("REMOTE_CONTROL");
    remote.setRemoteStation(ex->station(5));
    remote.setRemoteDial("HF");

    ASSERT_TRUE(sys.changeEquipmentModel(2, "R-4100EX"));
    EXPECT_EQ(input.bridgeOutput(), nullptr);
    sys.applyModelRules();
    EXPECT_EQ(input.modeName(), "NONE") << "a LEVEL input without bridge output";

    ASSERT_TRUE(sys.changeEquipmentModel(1, "R-4700MS"));
    EXPECT_EQ(remote.remoteStation(), nullptr) << "station 5 is beyond an IP station";
}

TEST_F(LinesTest, LinksFollowTheirUnitWhenAnotherIsRemoved)
{
    Exchange* other = sys.insertEquipment(3, "R-4100MI");
    ContactIn& input = *other->contactIn(1);
    input.setMode("EDGE");
    input.setBridgeOutput(other->contactOut(2));
    ASSERT_TRUE(sys.removeEquipment(1));
    // The second MI is unit 2 now; the link moved with it.
    Exchange& moved = *sys.equipment(2);
    EXPECT_EQ(moved.contactIn(1)->bridgeOutput(), moved.contactOut(2));
    sys.applyModelRules();
    EXPECT_EQ(moved.contactIn(1)->modeName(), "EDGE");
}

TEST_F(LinesTest, WriterRulesForInputsAndOutputs)
{
    AudioIn& pbx = *mi->audioIn(1);
    ASSERT_TRUE(pbx.setMode("TIE_LINE"));
    AudioIn& unused = *mi->audioIn(2);
    ASSERT_EQ(unused.blockGroup(), sys.blockGroup(0));

    ContactOut& numbered = *mi->contactOut(1);
    ASSERT_TRUE(numbered.setOperationNumber("12"));
    numbered.setNetworkSurveillance("9");
    numbered.setLineSurveillanceLine(2, 1);
    ContactOut& bare = *mi->contactOut(2);

    sys.applyModelRules();
    EXPECT_EQ(mi->audioOut(1)->modeName(), "TIE_LINE") << "output follows its tie-line input";
    EXPECT_EQ(pbx.blockGroup(), sys.blockGroup(0));
    EXPECT_EQ(unused.blockGroup(), nullptr);
    EXPECT_EQ(numbered.networkSurveillance(), "") << "unit 9 is not in use";
    EXPECT_EQ(numbered.lineSurveillance(), "2:1");
    EXPECT_EQ(numbered.blockGroup(), sys.blockGroup(0));
    EXPECT_EQ(bare.blockGroup(), nullptr);
}

} // namespace
