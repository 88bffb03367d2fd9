#include "ProgressTask.h"
#include "RouterTaskFixture.h"

namespace {

using testing::_;
using testing::InSequence;
using testing::Return;
using testing::SetArgReferee;

MacInfo ValidMacs()
{
    return {"00:11:22:33:44:55", "00:11:22:33:44:56", "00:11:22:33:44:57", "00:11:22:33:44:56", ""};
}

using LinkCheck = RouterTaskTest;

TEST_F(LinkCheck, UnreachableRouterIsAskedTwiceThenWaitsAndFails)
{
    host.gateway = QStringLiteral("10.1.1.1");
    {
        InSequence order;
        EXPECT_CALL(router, CheckLogin(EndpointAt("10.1.1.1"))).Times(2).WillRepeatedly(Return(-1));
        ExpectWait(500);
    }
    EXPECT_EQ(Run(TaskLinkCheck), -1);
    EXPECT_EQ(data.routerInfo.address, "10.1.1.1");
    EXPECT_EQ(host.resetCalls, 1);
    EXPECT_EQ(adapterObjects, 1);
}

TEST_F(LinkCheck, RejectedLoginEndsWithZero)
{
    {
        InSequence order;
        EXPECT_CALL(router, CheckLogin(_)).WillOnce(Return(0)).WillOnce(Return(0));
        ExpectWait(500);
    }
    EXPECT_EQ(Run(TaskLinkCheck), 0);
}

TEST_F(LinkCheck, AcceptedLoginReadsTheMacsWithOneRetry)
{
    {
        InSequence order;
        EXPECT_CALL(router, CheckLogin(_)).WillOnce(Return(-1)).WillOnce(Return(1));
        ExpectWait(500);
        EXPECT_CALL(router, ReadMacAddresses(_)).WillOnce(Return(-1)).WillOnce(Return(-1));
        EXPECT_CALL(router, GetMacInfo(_)).WillOnce(SetArgReferee<0>(ValidMacs()));
    }
    EXPECT_EQ(Run(TaskLinkCheck), 1);
    EXPECT_EQ(data.macInfo.wanMac, ValidMacs().wanMac);
}

TEST_F(LinkCheck, AnyBadRouterMacTurnsTheResultToZero)
{
    const struct {
        const char* name;
        std::string MacInfo::*field;
        const char* value;
        int expected;
    } cases[] = {
        {"multicast clone", &MacInfo::cloneMac, "01:00:5E:00:00:01", 0},
        {"short default", &MacInfo::defaultMac, "00:11:22:33:44", 0},
        {"dashed factory", &MacInfo::factoryMac, "00-11-22-33-44-55", 0},
        {"empty factory", &MacInfo::factoryMac, "", 0},
        {"bad wan mac is not checked", &MacInfo::wanMac, "zz", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MacInfo macs = ValidMacs();
        macs.*c.field = c.value;
        EXPECT_CALL(router, CheckLogin(_)).WillOnce(Return(1));
        EXPECT_CALL(sleeper, Sleep(_));
        EXPECT_CALL(router, ReadMacAddresses(_)).WillOnce(Return(1));
        EXPECT_CALL(router, GetMacInfo(_)).WillOnce(SetArgReferee<0>(macs));
        EXPECT_EQ(Run(TaskLinkCheck), c.expected);
        testing::Mock::VerifyAndClearExpectations(&router);
    }
}

TEST_F(LinkCheck, RouterAddressComesFromTheGatewayWhenFoundAndWanted)
{
    using enum HostResetFailure;
    using Cause = LinkCheckCause;
    const struct {
        const char* name;
        const char* autoGetIp; // null: key absent
        HostResetFailure failure;
        const char* gateway;
        const char* expectedAddress;
        int expectedFinds;
        Cause expectedCause; // with a router that never answers
    } cases[] = {
        {"found", nullptr, None, "10.0.0.138", "10.0.0.138", 1, Cause::RouterSilent},
        // A static connection through the router still leads to it, and the
        // refusal still explains a router that did not answer.
        {"reset refused", nullptr, NotAuthorised, "10.0.0.138", "10.0.0.138", 1, Cause::NotAllowed},
        {"reset failed", nullptr, CommandFailed, "10.0.0.138", "10.0.0.138", 1, Cause::ResetFailed},
        {"no network service", nullptr, NetworkManagerNotRunning, "10.0.0.138", "10.0.0.138", 1,
         Cause::NetworkServiceMissing},
        {"no wired adapter", nullptr, NoWiredAdapter, "10.0.0.138", "192.168.0.1", 0, Cause::NoWiredAdapter},
        {"nothing found", nullptr, None, "", "192.168.0.1", 1, Cause::RouterSilent},
        {"zero gateway", nullptr, None, "0.0.0.0", "192.168.0.1", 1, Cause::RouterSilent},
        {"switched off", "0", None, "10.0.0.138", "192.168.0.1", 0, Cause::RouterSilent},
        {"key spelled as its value", "Auto Get IP", None, "10.0.0.138", "10.0.0.138", 1, Cause::RouterSilent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettings(c.autoGetIp ? QStringLiteral("Auto Get IP=%1\n").arg(QLatin1String(c.autoGetIp)) : QString());
        host = FakeHostAdapters();
        host.resetResult = c.failure == None;
        host.resetFailure = c.failure;
        host.gateway = QString::fromLatin1(c.gateway);
        data.routerInfo.address = "192.168.0.1";
        EXPECT_CALL(router, CheckLogin(EndpointAt(c.expectedAddress))).WillOnce(Return(-1)).WillOnce(Return(-1));
        EXPECT_CALL(sleeper, Sleep(_));
        EXPECT_EQ(Run(TaskLinkCheck), -1);
        EXPECT_EQ(data.routerInfo.address, c.expectedAddress);
        EXPECT_EQ(host.findCalls, c.expectedFinds);
        EXPECT_EQ(data.linkCheckCause, c.expectedCause);
        testing::Mock::VerifyAndClearExpectations(&router);
    }
}

using AutoDetect = RouterTaskTest;

TEST_F(AutoDetect, RetriesNegativeAnswersUpToThreeAttemptsEachFollowedByTenSeconds)
{
    const struct {
        std::vector<int> answers;
        int expected;
    } cases[] = {
        {{3}, 3},
        {{0}, 0},
        {{4}, 4},
        {{-1, 2}, 2},
        {{-2, -1, 1}, 1},
        {{-1, -1, -2}, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.answers));
        {
            InSequence order;
            for (int answer : c.answers) {
                EXPECT_CALL(router, DetectWanType(EndpointAt("192.168.0.1"))).WillOnce(Return(answer));
                ExpectWait(10000);
            }
        }
        EXPECT_EQ(Run(TaskAutoDetect), c.expected);
        testing::Mock::VerifyAndClearExpectations(&router);
        testing::Mock::VerifyAndClearExpectations(&sleeper);
    }
}

using AccountCheck = RouterTaskTest;

TEST_F(AccountCheck, FirstRunSendsTheWanSettingsAndEndsAtTheFirstLinkUp)
{
    data.pppoeInfo = PppoeInfo{"user", "pass", ""};
    {
        InSequence order;
        ExpectWait(500);
        EXPECT_CALL(router, SetRouterInfo(testing::Field(&RouterInfo::wanType, 3)));
        EXPECT_CALL(router, SetPppoeInfo(testing::Field(&PppoeInfo::userName, "user")));
        EXPECT_CALL(router, ConnectWan(_)).WillOnce(Return(-1)).WillOnce(Return(-1));
        EXPECT_CALL(router, ApplyWanSettings(_)).WillOnce(Return(0));
        ExpectWait(1000);
        EXPECT_CALL(router, CheckCable(_)).WillOnce(Return(0));
        ExpectWait(10000);
        EXPECT_CALL(router, CheckCable(_)).WillOnce(Return(1));
    }
    EXPECT_EQ(Run(TaskAccountCheck), 1);
    EXPECT_EQ(data.wanConnectApplied, 1);
}

TEST_F(AccountCheck, SecondRunSkipsApplyAndALinkThatNeverComesUpEndsWithTheLastAnswer)
{
    data.wanConnectApplied = 1;
    {
        InSequence order;
        ExpectWait(500);
        EXPECT_CALL(router, SetRouterInfo(_));
        EXPECT_CALL(router, SetPppoeInfo(_));
        EXPECT_CALL(router, ConnectWan(_)).WillOnce(Return(1));
        ExpectWait(1000);
        for (int round = 0; round < 4; ++round) {
            EXPECT_CALL(router, CheckCable(_)).WillOnce(Return(0));
            ExpectWait(10000);
        }
    }
    EXPECT_EQ(Run(TaskAccountCheck), 0);
}

TEST_F(AccountCheck, FailedApplyCountsAsSentOnlyWhenItsRetryAnswersOne)
{
    const struct {
        int retryAnswer;
        int expectedApplied;
    } cases[] = {{1, 1}, {0, 0}, {-1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.retryAnswer);
        data.wanConnectApplied = 0;
        EXPECT_CALL(sleeper, Sleep(_)).Times(2);
        EXPECT_CALL(router, SetRouterInfo(_));
        EXPECT_CALL(router, SetPppoeInfo(_));
        EXPECT_CALL(router, ConnectWan(_)).WillOnce(Return(1));
        EXPECT_CALL(router, ApplyWanSettings(_)).WillOnce(Return(-1)).WillOnce(Return(c.retryAnswer));
        EXPECT_CALL(router, CheckCable(_)).WillOnce(Return(1));
        EXPECT_EQ(Run(TaskAccountCheck), 1);
        EXPECT_EQ(data.wanConnectApplied, c.expectedApplied);
        testing::Mock::VerifyAndClearExpectations(&router);
        testing::Mock::VerifyAndClearExpectations(&sleeper);
    }
}

using SaveTask = RouterTaskTest;

TEST_F(SaveTask, DynamicIpSendsNoWanRecordButTheRestInOrder)
{
    WriteLanguage(QStringLiteral("English.ini"), QStringLiteral("HostName=Living room PC\n"));
    data.routerInfo.wanType = 2;
    data.chosenWanMac = "00:aa:bb:cc:dd:ee";
    data.macInfo = ValidMacs();
    const WanStatusInfo status{"Dynamic IP", "10.0.0.5", "255.0.0.0", "10.0.0.1", "00:AA:BB:CC:DD:EE",
                               "", 0, 0, false, 0, ""};
    {
        InSequence order;
        ExpectWait(1000);
        EXPECT_CALL(router, SetRouterInfo(testing::Field(&RouterInfo::wanType, 2)));
        EXPECT_CALL(router, SetMacInfo(testing::AllOf(testing::Field(&MacInfo::wanMac, "00:aa:bb:cc:dd:ee"),
                                                      testing::Field(&MacInfo::hostName, "Living room PC"))));
        EXPECT_CALL(router, ApplyWanSettings(_)).WillOnce(Return(1));
        ExpectWait(40000);
        EXPECT_CALL(router, SetWirelessInfo(_));
        EXPECT_CALL(router, SetSecurityInfo(_));
        EXPECT_CALL(router, ApplyWirelessSettings(_)).WillOnce(Return(1));
        ExpectWait(20000);
        EXPECT_CALL(router, ReadWanStatus(_)).WillOnce(Return(1));
        EXPECT_CALL(router, GetWanStatusInfo(_)).WillOnce(SetArgReferee<0>(status));
    }
    EXPECT_EQ(Run(TaskSave), 1);
    EXPECT_EQ(data.wanStatusInfo.wanIp, "10.0.0.5");
    EXPECT_EQ(data.macInfo.hostName, "Living room PC");
}

TEST_F(SaveTask, WirelessStepFailingTwiceGivesMinusOneAndStatusIsStillRead)
{
    {
        InSequence order;
        ExpectWait(1000);
        EXPECT_CALL(router, SetRouterInfo(_));
        EXPECT_CALL(router, SetPppoeInfo(_));
        EXPECT_CALL(router, SetMacInfo(_));
        EXPECT_CALL(router, ApplyWanSettings(_)).WillOnce(Return(-1)).WillOnce(Return(-1));
        ExpectWait(40000);
        EXPECT_CALL(router, SetWirelessInfo(_));
        EXPECT_CALL(router, SetSecurityInfo(_));
        EXPECT_CALL(router, ApplyWirelessSettings(_)).WillOnce(Return(-1)).WillOnce(Return(-1));
        ExpectWait(20000);
        EXPECT_CALL(router, ReadWanStatus(_)).WillOnce(Return(0)).WillOnce(Return(0));
        EXPECT_CALL(router, GetWanStatusInfo(_));
    }
    EXPECT_EQ(Run(TaskSave), -1);
}

TEST_F(SaveTask, SendsTheRecordOfTheChosenConnectionType)
{
    const struct {
        int wanType;
        int staticIp;
        int pppoe;
        int pptp;
    } cases[] = {
        {0, 0, 0, 0}, {1, 1, 0, 0}, {2, 0, 0, 0}, {3, 0, 1, 0}, {4, 0, 0, 1}, {5, 0, 0, 1}, {6, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanType);
        data.routerInfo.wanType = c.wanType;
        EXPECT_CALL(sleeper, Sleep(_)).Times(3);
        EXPECT_CALL(router, SetRouterInfo(_));
        EXPECT_CALL(router, SetStaticIpInfo(_)).Times(c.staticIp);
        EXPECT_CALL(router, SetPppoeInfo(_)).Times(c.pppoe);
        EXPECT_CALL(router, SetPptpInfo(_)).Times(c.pptp);
        EXPECT_CALL(router, SetMacInfo(_));
        EXPECT_CALL(router, ApplyWanSettings(_)).WillOnce(Return(1));
        EXPECT_CALL(router, SetWirelessInfo(_));
        EXPECT_CALL(router, SetSecurityInfo(_));
        EXPECT_CALL(router, ApplyWirelessSettings(_)).WillOnce(Return(0)).WillOnce(Return(1));
        EXPECT_CALL(router, ReadWanStatus(_)).WillOnce(Return(1));
        EXPECT_CALL(router, GetWanStatusInfo(_));
        EXPECT_EQ(Run(TaskSave), 1);
        testing::Mock::VerifyAndClearExpectations(&router);
        testing::Mock::VerifyAndClearExpectations(&sleeper);
    }
}

using RebootTask = RouterTaskTest;

TEST_F(RebootTask, ConnectsClonesWaitsForTheRebootAndWritesNoResult)
{
    const WanStatusInfo status{"PPPoE", "1.2.3.4", "255.255.255.255", "1.2.3.1", "00:11:22:33:44:56",
                               "", 0, 0, false, 0, ""};
    {
        InSequence order;
        EXPECT_CALL(router, ConnectWan(_)).WillOnce(Return(-1)).WillOnce(Return(1));
        ExpectWait(500);
        EXPECT_CALL(router, ApplyMacClone(_)).WillOnce(Return(-1)).WillOnce(Return(-1));
        ExpectWait(30000);
        EXPECT_CALL(router, ReadWanStatus(_)).WillOnce(Return(0)).WillOnce(Return(1));
        EXPECT_CALL(router, GetWanStatusInfo(_)).WillOnce(SetArgReferee<0>(status));
    }
    EXPECT_EQ(Run(TaskReboot), std::nullopt);
    EXPECT_EQ(data.wanStatusInfo.gateway, "1.2.3.1");
}

using TaskCodes = RouterTaskTest;

TEST_F(TaskCodes, UnknownCodeRunsNothingButStillGetsItsAdapters)
{
    EXPECT_EQ(Run(0), std::nullopt);
    EXPECT_EQ(Run(6), std::nullopt);
    EXPECT_EQ(adapterObjects, 2);
}

TEST_F(TaskCodes, WithoutARouterObjectTasksReportNoAnswerInsteadOfCrashing)
{
    data.router = nullptr;
    for (int task : {TaskLinkCheck, TaskAutoDetect, TaskAccountCheck, TaskSave})
        EXPECT_EQ(Run(task), -1) << task;
    EXPECT_EQ(Run(TaskReboot), std::nullopt);
}

TEST(ProgressTaskText, EachTaskHasItsKeyAndUnknownCodesNone)
{
    const struct {
        int task;
        const char* key;
    } cases[] = {
        {TaskLinkCheck, "prg_link"}, {TaskAutoDetect, "prg_auto"}, {TaskAccountCheck, "prg_check"},
        {TaskSave, "prg_save"},      {TaskReboot, "prg_reboot"},   {0, ""},
        {6, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressTextKey(c.task), QString::fromLatin1(c.key)) << c.task;
}

} // namespace
