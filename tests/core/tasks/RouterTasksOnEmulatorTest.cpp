// The router tasks through the real router-access library against the
// emulated router on loopback; every task wait moves the emulator's clock.
#include "CCorvanelibObject.h"
#include "MacCloneCheck.h"
#include "ManualClock.h"
#include "PppoeCheck.h"
#include "ProgressTask.h"
#include "QtTestSupport.h"
#include "RouterEmulator.h"
#include "RouterTaskRunner.h"
#include "SecurityCheck.h"
#include "WirelessBasicCheck.h"

#include "FakeHostAdapters.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

class ClockSleeper : public Sleeper {
public:
    ClockSleeper(ManualClock& clock, std::unique_ptr<RouterEmulator>& emulator) : clock_(clock), emulator_(emulator) {}

    void Sleep(milliseconds duration) override
    {
        total += duration;
        clock_.Advance(duration);
        emulator_->RefreshListening();
    }

    milliseconds total{0};

private:
    ManualClock& clock_;
    std::unique_ptr<RouterEmulator>& emulator_;
};

class RouterTasksOnEmulator : public ProgramFolderTest {
protected:
    void StartEmulator()
    {
        emulator = std::make_unique<RouterEmulator>(config, clock.AsClock());
        emulator->Start();
        WriteSettings(QStringLiteral("Auto Get IP=0\nPort=%1\n").arg(emulator->Port()));
        data.router = &router;
        data.routerInfo = RouterInfo{"127.0.0.1", "admin", "qzmvx", 0};
    }

    std::optional<int> Run(int task)
    {
        return RunProgressTask(task, data, sleeper, [] { return std::make_unique<FakeHostAdapters>(); });
    }

    // The pages of one run up to the security page, as a user fills them.
    void FillPages(int wanType)
    {
        data.routerInfo.wanType = wanType;
        ASSERT_FALSE(CollectPppoeSettings({QStringLiteral("isp-user"), QStringLiteral("isp-pass")}, data.pppoeInfo));
        ASSERT_FALSE(CollectMacCloneSettings(CloneMac(data.macInfo), data.macInfo, data.chosenWanMac));
        ASSERT_FALSE(CollectWirelessSettings({QStringLiteral("Home"), 10, 1, true}, data.wirelessInfo,
                                             data.wanStatusInfo));
        SecurityEntry security;
        security.mode = SecurityWpa2;
        security.passphrase = QStringLiteral("Passphrase1");
        ASSERT_FALSE(CollectSecuritySettings(security, data.securityInfo, data.wanStatusInfo));
    }

    ManualClock clock;
    EmulatorConfig config;
    std::unique_ptr<RouterEmulator> emulator;
    ClockSleeper sleeper{clock, emulator};
    CCorvanelibObject router{HttpTimeouts{milliseconds(500), milliseconds(500), milliseconds(500)},
                             [this](milliseconds duration) { sleeper.Sleep(duration); }};
    WizardData data;
};

TEST_F(RouterTasksOnEmulator, PppoeRunChecksTheAccountSavesAndReboots)
{
    config.linkUpDelay = seconds(15);
    config.rebootDuration = seconds(25);
    StartEmulator();

    ASSERT_EQ(Run(TaskLinkCheck), 1);
    EXPECT_EQ(data.macInfo.cloneMac, config.cloneMac);
    FillPages(3);
    EXPECT_EQ(Run(TaskAccountCheck), 1);
    EXPECT_EQ(data.wanConnectApplied, 1);
    EXPECT_EQ(Run(TaskSave), 1);
    EXPECT_EQ(Run(TaskReboot), std::nullopt);

    const RouterSnapshot state = emulator->State();
    EXPECT_EQ(state.wanType, WanPppoe);
    EXPECT_EQ(state.wanFields.Get("PUN"), "isp-user");
    EXPECT_EQ(state.wireless.Get("ssid"), "Home");
    EXPECT_EQ(state.wanMac, config.cloneMac);
    EXPECT_EQ(state.rebootCount, 1);
    EXPECT_EQ(data.wanStatusInfo.connectionType, "PPPoE");
    EXPECT_EQ(data.wanStatusInfo.ssid, "Home");
    EXPECT_EQ(data.wanStatusInfo.securityKey, "Passphrase1");
}

TEST_F(RouterTasksOnEmulator, ASecondAccountCheckSendsOnlyAnAccountThatChanged)
{
    StartEmulator();
    ASSERT_EQ(Run(TaskLinkCheck), 1);
    FillPages(3);
    data.pppoeInfo.password = "typo";
    EXPECT_EQ(Run(TaskAccountCheck), 0);
    data.pppoeInfo.password = "isp-pass";
    EXPECT_EQ(Run(TaskAccountCheck), 1);
    EXPECT_EQ(emulator->State().wanFields.Get("PPW"), "isp-pass");

    emulator->ClearRecordedRequests();
    EXPECT_EQ(Run(TaskAccountCheck), 1);
    for (const std::string& request : emulator->RecordedRequests())
        EXPECT_EQ(request.find("/goform/WizardHandle"), std::string::npos);
}

TEST_F(RouterTasksOnEmulator, DynamicIpSaveSendsTheHostNameWithTheWanForm)
{
    WriteLanguage(QStringLiteral("English.ini"), QStringLiteral("HostName=study-pc\n"));
    StartEmulator();
    ASSERT_EQ(Run(TaskLinkCheck), 1);
    FillPages(2);
    const milliseconds before = sleeper.total;
    EXPECT_EQ(Run(TaskSave), 1);
    EXPECT_GE(sleeper.total - before, seconds(61));
    const RouterSnapshot state = emulator->State();
    EXPECT_EQ(state.wanType, WanDynamicIp);
    EXPECT_EQ(state.wanFields.Get("hostName"), "study-pc");
    EXPECT_EQ(state.rebootCount, 0);
}

// What the link check, save and reboot tasks of one PPPoE run gave, and every
// request they put on the wire.
struct TaskRunOutcome {
    std::optional<int> linkCheck;
    std::optional<int> save;
    std::string connectionType;
    std::string wanIp;
    std::vector<std::string> requests;
};

TEST_F(RouterTasksOnEmulator, EveryValidAnswerFormGetsEachRequestAsOftenAsAHealthyRouter)
{
    const auto runUnder = [this](FaultMode form) {
        config.fault = form;
        data = WizardData();
        StartEmulator();
        TaskRunOutcome outcome;
        outcome.linkCheck = Run(TaskLinkCheck);
        FillPages(3);
        outcome.save = Run(TaskSave);
        Run(TaskReboot);
        outcome.connectionType = data.wanStatusInfo.connectionType;
        outcome.wanIp = data.wanStatusInfo.wanIp;
        outcome.requests = emulator->RecordedRequests();
        return outcome;
    };
    const TaskRunOutcome healthy = runUnder(FaultMode::None);
    ASSERT_EQ(healthy.linkCheck, 1);
    ASSERT_EQ(healthy.save, 1);
    const auto posts = [&healthy](const std::string& path) {
        return std::count_if(healthy.requests.begin(), healthy.requests.end(),
                             [&path](const std::string& raw) { return raw.starts_with("POST " + path + " "); });
    };
    EXPECT_EQ(posts("/goform/WizardHandle"), 1);
    EXPECT_EQ(posts("/goform/wirelessBasic"), 1);
    EXPECT_EQ(posts("/goform/APSecurity"), 1);
    EXPECT_EQ(posts("/goform/SysStatusHandle"), 1);
    EXPECT_EQ(posts("/goform/AdvSetMacClone"), 1);
    for (const FaultMode form : kValidAnswerForms) {
        SCOPED_TRACE(std::string(FaultModeName(form)));
        const TaskRunOutcome outcome = runUnder(form);
        EXPECT_EQ(outcome.linkCheck, 1);
        EXPECT_EQ(outcome.save, 1);
        EXPECT_EQ(outcome.connectionType, healthy.connectionType);
        EXPECT_EQ(outcome.wanIp, healthy.wanIp);
        EXPECT_EQ(outcome.requests, healthy.requests); // byte for byte, none repeated
    }
}

TEST_F(RouterTasksOnEmulator, LinkCheckReportsARejectedLoginAndAnUnreachableRouter)
{
    StartEmulator();
    data.routerInfo.password = "wrong";
    EXPECT_EQ(Run(TaskLinkCheck), 0);
    data.routerInfo.password = "qzmvx";
    emulator->Stop();
    EXPECT_EQ(Run(TaskLinkCheck), -1);
}

} // namespace
