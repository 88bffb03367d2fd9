#include "LinkCheckDiagnosis.h"
#include "ProgressTask.h"
#include "RouterTaskFixture.h"

namespace {

using testing::_;
using testing::Return;
using testing::SetArgReferee;

TEST(LinkCheckDiagnosis, EachFailureHasOneCauseAndRouterAnswersOutrankTheHost)
{
    using enum HostResetFailure;
    const struct {
        HostResetFailure host;
        int login;
        bool macsValid;
        LinkCheckCause expected;
    } cases[] = {
        {None, 1, true, LinkCheckCause::None},
        {None, -1, false, LinkCheckCause::RouterSilent},
        {NoWiredAdapter, -1, false, LinkCheckCause::NoWiredAdapter},
        {NoCarrier, -1, false, LinkCheckCause::NoCarrier},
        {NetworkManagerNotRunning, -1, false, LinkCheckCause::NetworkServiceMissing},
        {NotAuthorised, -1, false, LinkCheckCause::NotAllowed},
        {NoDhcpAnswer, -1, false, LinkCheckCause::NoAddress},
        {CommandFailed, -1, false, LinkCheckCause::ResetFailed},
        {None, 0, false, LinkCheckCause::LoginRefused},
        // The router answered at the configured address: the host's trouble did not matter.
        {NoCarrier, 0, false, LinkCheckCause::LoginRefused},
        {NoDhcpAnswer, 1, true, LinkCheckCause::None},
        {None, 1, false, LinkCheckCause::InvalidMacs},
        {CommandFailed, 1, false, LinkCheckCause::InvalidMacs},
    };
    for (const auto& c : cases) {
        const LinkCheckFacts facts{c.host, c.login, c.macsValid};
        EXPECT_EQ(DiagnoseLinkCheck(facts), c.expected)
            << "host " << static_cast<int>(c.host) << " login " << c.login << " macs " << c.macsValid;
    }
}

using LinkCheckCauseOfTask = RouterTaskTest;

TEST_F(LinkCheckCauseOfTask, TaskCarriesTheCauseBesideItsUnchangedResult)
{
    const MacInfo validMacs{"00:11:22:33:44:55", "00:11:22:33:44:56", "00:11:22:33:44:57", "", ""};
    MacInfo multicast = validMacs;
    multicast.defaultMac = "01:00:5E:00:00:01";
    const struct {
        const char* name;
        bool resetWorks;
        HostResetFailure failure;
        int login;
        MacInfo macs;
        int expectedResult;
        LinkCheckCause expectedCause;
    } cases[] = {
        {"cable out", false, HostResetFailure::NoCarrier, -1, {}, -1, LinkCheckCause::NoCarrier},
        {"silent router", true, HostResetFailure::None, -1, {}, -1, LinkCheckCause::RouterSilent},
        {"changed password", true, HostResetFailure::None, 0, {}, 0, LinkCheckCause::LoginRefused},
        {"odd MACs", true, HostResetFailure::None, 1, multicast, 0, LinkCheckCause::InvalidMacs},
        {"all well", true, HostResetFailure::None, 1, validMacs, 1, LinkCheckCause::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.resetResult = c.resetWorks;
        host.resetFailure = c.failure;
        data.linkCheckCause = LinkCheckCause::RouterSilent;
        EXPECT_CALL(router, CheckLogin(_)).Times(c.login == 1 ? 1 : 2).WillRepeatedly(Return(c.login));
        EXPECT_CALL(sleeper, Sleep(_));
        if (c.login == 1) {
            EXPECT_CALL(router, ReadMacAddresses(_)).WillOnce(Return(1));
            EXPECT_CALL(router, GetMacInfo(_)).WillOnce(SetArgReferee<0>(c.macs));
        }
        EXPECT_EQ(Run(TaskLinkCheck), c.expectedResult);
        EXPECT_EQ(data.linkCheckCause, c.expectedCause);
        testing::Mock::VerifyAndClearExpectations(&router);
    }
}

TEST_F(LinkCheckCauseOfTask, AccountCheckKeepsItsResultForTheResultPage)
{
    data.wanConnectApplied = 1;
    EXPECT_CALL(router, SetRouterInfo(_));
    EXPECT_CALL(router, SetPppoeInfo(_));
    EXPECT_CALL(router, ConnectWan(_)).WillOnce(Return(1));
    EXPECT_CALL(router, CheckCable(_)).Times(4).WillRepeatedly(Return(0));
    EXPECT_CALL(sleeper, Sleep(_)).Times(6);
    EXPECT_FALSE(data.accountCheckResult.has_value());
    EXPECT_EQ(Run(TaskAccountCheck), 0);
    EXPECT_EQ(data.accountCheckResult, 0);
}

} // namespace
