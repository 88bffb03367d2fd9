#include "ExtractFirstMatch.h"
#include "RouterPageParsers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace RouterPageParsers;

struct CableCase {
    const char* name;
    std::string page;
    int expected;
};

class RouterCableStatus : public testing::TestWithParam<CableCase> {};

TEST_P(RouterCableStatus, ReadsTheLastAssignmentFollowedByACharacter)
{
    EXPECT_EQ(CableStatusFromPage(GetParam().page), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, RouterCableStatus,
    testing::Values(
        CableCase{"LinkUp", "<script>var cableDSL=\"2\";\n</script>", 1},
        CableCase{"OneCharacterAfterIsEnough", "cableDSL=\"2\";", 1},
        CableCase{"AtTheVeryEndDoesNotMatch", "var x=1;\nvar cableDSL=\"2\"", 0},
        CableCase{"OtherValue", "var cableDSL=\"1\";", 0},
        CableCase{"EmptyValue", "var cableDSL=\"\";", 0},
        CableCase{"ValueTooLong", "var cableDSL=\"2222\";", 0},
        CableCase{"LastOccurrenceWins", "cableDSL=\"1\";\ncableDSL=\"2\";\n", 1},
        CableCase{"LastOccurrenceWinsAgainst", "cableDSL=\"2\";\ncableDSL=\"1\";\n", 0},
        CableCase{"FinalUnfollowedOccurrenceIsSkipped", "cableDSL=\"2\";\ncableDSL=\"1\"", 1},
        CableCase{"LetterCaseIgnored", "var CABLEdsl=\"2\";", 1},
        CableCase{"BlanksAroundEqualsDoNotMatch", "var cableDSL = \"2\";", 0},
        CableCase{"Missing", "<html></html>", 0}),
    [](const testing::TestParamInfo<CableCase>& info) { return std::string(info.param.name); });

struct DetectionCase {
    const char* name;
    std::string answer;
    int expected;
};

class RouterWanTypeDetection : public testing::TestWithParam<DetectionCase> {};

TEST_P(RouterWanTypeDetection, UsesOnlyTheFirstCharacter)
{
    EXPECT_EQ(WanTypeFromDetection(GetParam().answer), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, RouterWanTypeDetection,
    testing::Values(DetectionCase{"Empty", "", -2}, DetectionCase{"StaticIp", "1", 1},
        DetectionCase{"DynamicIp", "2xyz", 2}, DetectionCase{"PppoeWithLineEnd", "3\r\n", 3},
        DetectionCase{"Four", "4", 4}, DetectionCase{"Five", "5", 0}, DetectionCase{"Zero", "0", 0},
        DetectionCase{"Letter", "a", 0}, DetectionCase{"LeadingBlank", " 3", 0}),
    [](const testing::TestParamInfo<DetectionCase>& info) { return std::string(info.param.name); });

struct LoginCase {
    const char* name;
    HttpAnswer answer;
    bool refused;
};

class RouterLoginRefusal : public testing::TestWithParam<LoginCase> {};

TEST_P(RouterLoginRefusal, IsRecognisedByStatusOrText)
{
    EXPECT_EQ(IsLoginRefused(GetParam().answer), GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(Answers, RouterLoginRefusal,
    testing::Values(LoginCase{"Accepted", {200, "<html>main</html>"}, false},
        LoginCase{"StatusWithoutText", {401, "denied"}, true},
        LoginCase{"TextInAcceptedPage", {200, "<p>HTTP/1.1 401 Unauthorized</p>"}, true},
        LoginCase{"TextWithoutStatusLine", {0, "HTTP/1.1 401 Unauthorized\r\n"}, true},
        LoginCase{"TextInOtherCase", {200, "http/1.1 401 unauthorized"}, false}),
    [](const testing::TestParamInfo<LoginCase>& info) { return std::string(info.param.name); });

TEST(RouterMacAddresses, AreReadWithTheWanAddressCopiedFromTheDefault)
{
    const std::string page = "var cln_MAC = \"00:0C:29:AA:BB:CC\";\n"
                             "var def_MAC = \"00:B0:0C:11:22:33\";\n"
                             "var fac_MAC = \"00:B0:0C:11:22:30\";\n";
    MacInfo mac{"old", "old", "old", "old", "host"};
    ReadMacAddresses(page, mac);
    EXPECT_EQ(mac.factoryMac, "00:B0:0C:11:22:30");
    EXPECT_EQ(mac.defaultMac, "00:B0:0C:11:22:33");
    EXPECT_EQ(mac.cloneMac, "00:0C:29:AA:BB:CC");
    EXPECT_EQ(mac.wanMac, "00:B0:0C:11:22:33");
    EXPECT_EQ(mac.hostName, "host");
}

TEST(RouterMacAddresses, OfWrongLengthOrSpacingBecomeEmpty)
{
    const std::string page = "var cln_MAC = \"00:0C:29:AA:BB:C\";\n"    // 16 characters
                             "var def_MAC = \"00:B0:0C:11:22:33x\";\n"  // 18 characters
                             "var fac_MAC=\"00:B0:0C:11:22:30\";\n";    // no blanks around "="
    MacInfo mac{"old", "old", "old", "old", "host"};
    ReadMacAddresses(page, mac);
    EXPECT_EQ(mac.factoryMac, "");
    EXPECT_EQ(mac.defaultMac, "");
    EXPECT_EQ(mac.cloneMac, "");
    EXPECT_EQ(mac.wanMac, "");
}

struct StatusStrings {
    std::string connectionType;
    std::string wanIp;
    std::string subnetMask;
    std::string gateway;
    std::string wanMac;
};

struct StatusCase {
    const char* name;
    std::string page;
    StatusStrings expected;
};

class RouterWanStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(RouterWanStatus, ReadsTheFiveValues)
{
    WanStatusInfo status;
    status.connectionType = "before";
    status.ssid = "kept";
    ReadWanStatus(GetParam().page, status);
    const StatusStrings& expected = GetParam().expected;
    EXPECT_EQ(status.connectionType, expected.connectionType);
    EXPECT_EQ(status.wanIp, expected.wanIp);
    EXPECT_EQ(status.subnetMask, expected.subnetMask);
    EXPECT_EQ(status.gateway, expected.gateway);
    EXPECT_EQ(status.wanMac, expected.wanMac);
    EXPECT_EQ(status.ssid, "kept");
}

const std::string kAddresses = "wanIP = \"100.64.1.20\";\nsubMask=\"255.255.255.0\";\n"
                               "gateWay=\"100.64.1.1\";\nwan_mac=\"00:B0:0C:11:22:33\";\n";

StatusCase TypeCase(const char* name, const char* index, const char* type)
{
    return {name, kAddresses + "conTypeIdx=\"" + index + "\";\n",
        {type, "100.64.1.20", "255.255.255.0", "100.64.1.1", "00:B0:0C:11:22:33"}};
}

INSTANTIATE_TEST_SUITE_P(Pages, RouterWanStatus,
    testing::Values(TypeCase("StaticIp", "1", "Static IP"), TypeCase("DynamicIp", "2", "Dynamic IP"),
        TypeCase("Pppoe", "3", "PPPoE"), TypeCase("FourIsL2tp", "4", "L2TP"), TypeCase("FiveIsPptp", "5", "PPTP"),
        TypeCase("Dot1x", "6", "802.1x"), TypeCase("SevenKeepsType", "7", "before"),
        TypeCase("EmptyKeepsType", "", "before"), TypeCase("PaddedKeepsType", " 3", "before"),
        StatusCase{"NoSemicolonNoValue", "wanIP = \"1.2.3.4\"\nconTypeIdx=\"3\"\n", {"before", "", "", "", ""}},
        StatusCase{"WanIpNeedsBlanks", "wanIP=\"1.2.3.4\";\n", {"before", "", "", "", ""}},
        StatusCase{"GatewayMustNotHaveBlanks", "gateWay = \"1.2.3.4\";\n", {"before", "", "", "", ""}},
        StatusCase{"LetterCaseIgnored", "WANIP = \"1.2.3.4\";\nGATEWAY=\"1.2.3.1\";\nCONTYPEIDX=\"2\";\n",
            {"Dynamic IP", "1.2.3.4", "", "1.2.3.1", ""}},
        StatusCase{"FifteenCharactersFit", "subMask=\"255.255.255.255\";\n",
            {"before", "", "255.255.255.255", "", ""}},
        StatusCase{"SixteenCharactersDoNot", "subMask=\"255.255.255.2550\";\n", {"before", "", "", "", ""}},
        StatusCase{"LastOccurrenceWins", "wanIP = \"1.1.1.1\";\nwanIP = \"2.2.2.2\";\nwanIP = \"3.3.3.3\"\n",
            {"before", "2.2.2.2", "", "", ""}},
        StatusCase{"MacNeedsSeventeen", "wan_mac=\"00:B0:0C:11:22:3\";\n", {"before", "", "", "", ""}}),
    [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST(RouterExtractFirstMatchFailures, BadOrRunawayPatternsGiveNothing)
{
    EXPECT_EQ(ExtractFirstMatch("([unclosed", "text"), "");
    EXPECT_EQ(ExtractFirstMatch("no group here", "no group here"), "");
    // Exponential backtracking: the search gives up, which reads as no match.
    EXPECT_EQ(ExtractFirstMatch("(a*)*(b)", std::string(4000, 'a')), "");
}

} // namespace
