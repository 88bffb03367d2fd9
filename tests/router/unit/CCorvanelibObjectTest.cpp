#include "CCorvanelibObject.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

extern "C" int LoadObj(CDLLObject** object);
extern "C" int FreeObj(CDLLObject* object);

namespace {

using std::chrono::milliseconds;

TEST(RouterExports, FreeObjOfNothingSucceeds)
{
    EXPECT_EQ(FreeObj(nullptr), 1);
}

TEST(RouterExports, LoadObjWithoutATargetCreatesNothing)
{
    EXPECT_EQ(LoadObj(nullptr), 0);
}

TEST(RouterExports, ANewObjectHoldsEmptyRecords)
{
    CDLLObject* object = nullptr;
    ASSERT_EQ(LoadObj(&object), 1);
    ASSERT_NE(object, nullptr);
    MacInfo mac{"a", "b", "c", "d", "e"};
    object->GetMacInfo(mac);
    EXPECT_EQ(mac.factoryMac, "");
    EXPECT_EQ(mac.defaultMac, "");
    EXPECT_EQ(mac.cloneMac, "");
    EXPECT_EQ(mac.wanMac, "");
    EXPECT_EQ(FreeObj(object), 1);
}

TEST(RouterRecords, GetMacInfoCopiesTheFirstFourOnly)
{
    CCorvanelibObject object;
    object.SetMacInfo({"f", "d", "c", "w", "stored host"});
    MacInfo out{"", "", "", "", "caller host"};
    object.GetMacInfo(out);
    EXPECT_EQ(out.factoryMac, "f");
    EXPECT_EQ(out.defaultMac, "d");
    EXPECT_EQ(out.cloneMac, "c");
    EXPECT_EQ(out.wanMac, "w");
    EXPECT_EQ(out.hostName, "caller host");
}

TEST(RouterRecords, ASecondSetterCallReplacesTheFirstWhole)
{
    CCorvanelibObject object;
    object.SetMacInfo({"f1", "d1", "c1", "w1", "h1"});
    object.SetMacInfo({"f2", "", "c2", "", "h2"});
    MacInfo out;
    object.GetMacInfo(out);
    EXPECT_EQ(out.factoryMac, "f2");
    EXPECT_EQ(out.defaultMac, "");
    EXPECT_EQ(out.cloneMac, "c2");
    EXPECT_EQ(out.wanMac, "");
}

TEST(RouterRecords, GetWanStatusInfoCopiesTheFiveStringsOnly)
{
    CCorvanelibObject object;
    WanStatusInfo stored{"PPPoE", "1.2.3.4", "255.0.0.0", "1.2.3.1", "00:11:22:33:44:55", "stored", 6, 1, true, 3,
        "stored key"};
    object.SetWanStatusInfo(stored);
    WanStatusInfo out;
    out.ssid = "caller";
    out.channel = 11;
    out.securityKey = "caller key";
    object.GetWanStatusInfo(out);
    EXPECT_EQ(out.connectionType, "PPPoE");
    EXPECT_EQ(out.wanIp, "1.2.3.4");
    EXPECT_EQ(out.subnetMask, "255.0.0.0");
    EXPECT_EQ(out.gateway, "1.2.3.1");
    EXPECT_EQ(out.wanMac, "00:11:22:33:44:55");
    EXPECT_EQ(out.ssid, "caller");
    EXPECT_EQ(out.channel, 11);
    EXPECT_EQ(out.securityKey, "caller key");
}

// An endpoint on the loopback address where nothing listens.
RouterEndpoint ClosedEndpoint()
{
    boost::asio::io_context io;
    boost::asio::ip::tcp::acceptor probe(io, {boost::asio::ip::make_address("127.0.0.1"), 0});
    return {"127.0.0.1", probe.local_endpoint().port(), "admin", "admin"};
}

struct OperationCase {
    const char* name;
    std::function<int(CDLLObject&, RouterEndpoint)> run;
};

class RouterUnansweredOperation : public testing::TestWithParam<OperationCase> {};

TEST_P(RouterUnansweredOperation, ReportsNoAnswerAndKeepsTheRecords)
{
    CCorvanelibObject object({milliseconds(2000), milliseconds(2000), milliseconds(2000)}, [](milliseconds) {});
    object.SetMacInfo({"f", "d", "c", "w", "h"});
    object.SetWanStatusInfo({"PPPoE", "1.2.3.4", "m", "g", "mac", "", 0, 0, false, 0, ""});
    EXPECT_EQ(GetParam().run(object, ClosedEndpoint()), -1);
    MacInfo mac;
    object.GetMacInfo(mac);
    EXPECT_EQ(mac.factoryMac + mac.defaultMac + mac.cloneMac + mac.wanMac, "fdcw");
    WanStatusInfo status;
    object.GetWanStatusInfo(status);
    EXPECT_EQ(status.connectionType + status.wanIp + status.subnetMask + status.gateway + status.wanMac,
        "PPPoE1.2.3.4mgmac");
}

INSTANTIATE_TEST_SUITE_P(AllOperations, RouterUnansweredOperation,
    testing::Values(OperationCase{"CheckLogin", [](CDLLObject& o, RouterEndpoint e) { return o.CheckLogin(e); }},
        OperationCase{"GetCableStatus", [](CDLLObject& o, RouterEndpoint e) { return o.GetCableStatus(e); }},
        OperationCase{"DetectWanType", [](CDLLObject& o, RouterEndpoint e) { return o.DetectWanType(e); }},
        OperationCase{"ReadMacAddresses", [](CDLLObject& o, RouterEndpoint e) { return o.ReadMacAddresses(e); }},
        OperationCase{"CheckCable", [](CDLLObject& o, RouterEndpoint e) { return o.CheckCable(e); }},
        OperationCase{"ConnectWan", [](CDLLObject& o, RouterEndpoint e) { return o.ConnectWan(e); }},
        OperationCase{"ApplyWanSettings", [](CDLLObject& o, RouterEndpoint e) { return o.ApplyWanSettings(e); }},
        OperationCase{"ApplyWirelessBasic", [](CDLLObject& o, RouterEndpoint e) { return o.ApplyWirelessBasic(e); }},
        OperationCase{"ApplyWirelessSecurity",
            [](CDLLObject& o, RouterEndpoint e) { return o.ApplyWirelessSecurity(e); }},
        OperationCase{"ReadWanStatus", [](CDLLObject& o, RouterEndpoint e) { return o.ReadWanStatus(e); }},
        OperationCase{"ApplyMacClone", [](CDLLObject& o, RouterEndpoint e) { return o.ApplyMacClone(e); }},
        OperationCase{"ApplyWirelessSettings",
            [](CDLLObject& o, RouterEndpoint e) { return o.ApplyWirelessSettings(e); }}),
    [](const testing::TestParamInfo<OperationCase>& info) { return std::string(info.param.name); });

TEST(RouterApplyWirelessSettings, PausesTwoSecondsBetweenItsSteps)
{
    std::vector<milliseconds> pauses;
    CCorvanelibObject object({}, [&](milliseconds pause) { pauses.push_back(pause); });
    EXPECT_EQ(object.ApplyWirelessSettings(ClosedEndpoint()), -1);
    EXPECT_EQ(pauses, std::vector<milliseconds>{milliseconds(2000)});
}

} // namespace
