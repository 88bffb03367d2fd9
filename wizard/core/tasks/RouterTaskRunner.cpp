#include "RouterTaskRunner.h"

#include "AdapterRecord.h"
#include "AddressRules.h"
#include "HostStep.h"
#include "LinkCheckDiagnosis.h"
#include "ProgressTask.h"
#include "SettingsReader.h"

#include <utility>

namespace {

constexpr int kLinkCheckPause = 500;
constexpr int kDetectionWait = 10000;
constexpr int kDetectionAttempts = 3;
constexpr int kAccountCheckStartWait = 500;
constexpr int kAccountCheckConnectWait = 1000;
constexpr int kCableRounds = 4;
constexpr int kCableWait = 10000;
constexpr int kSaveStartWait = 1000;
constexpr int kWanApplyWait = 40000;
constexpr int kWirelessApplyWait = 20000;
constexpr int kRebootConnectWait = 500;
constexpr int kRebootWait = 30000;

// What a task reports when there is no router-access object to ask.
constexpr int kNoAnswer = -1;

} // namespace

RouterTaskRunner::RouterTaskRunner(WizardData& data, Sleeper& sleeper, HostAdaptersFactory adapters)
    : data_(data), sleeper_(sleeper), adaptersFactory_(std::move(adapters))
{
}

std::optional<int> RouterTaskRunner::Run(int task)
{
    adapters_ = adaptersFactory_();
    if (data_.router == nullptr) {
        // Without the library's object no call can be made; the tasks that
        // report a result report it as unanswered instead of crashing.
        if (task == TaskLinkCheck)
            data_.linkCheckCause = LinkCheckCause::RouterSilent;
        if (task >= TaskLinkCheck && task <= TaskSave)
            return kNoAnswer;
        return std::nullopt;
    }
    switch (task) {
    case TaskLinkCheck:
        return RunLinkCheck();
    case TaskAutoDetect:
        return RunAutoDetect();
    case TaskAccountCheck:
        return RunAccountCheck();
    case TaskSave:
        return RunSave();
    case TaskReboot:
        RunReboot();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

int RouterTaskRunner::RunLinkCheck()
{
    LinkCheckFacts facts;
    facts.hostReset = LookUpRouterAddress();
    facts.loginResult = CallWithRetry(&CDLLObject::CheckLogin, Retry::IfBelowOne);
    Wait(kLinkCheckPause);
    if (facts.loginResult >= 1) {
        CallWithRetry(&CDLLObject::ReadMacAddresses, Retry::IfNegative);
        data_.router->GetMacInfo(data_.macInfo);
        facts.macsValid = AreRouterMacsValid();
    }
    data_.linkCheckCause = DiagnoseLinkCheck(facts);
    if (facts.loginResult < 1)
        return facts.loginResult;
    return facts.macsValid ? facts.loginResult : 0;
}

// Why switching the host to automatic addressing failed; None when it
// worked or was not wanted.
HostResetFailure RouterTaskRunner::LookUpRouterAddress()
{
    const QString autoGetIp = QStringLiteral("Auto Get IP");
    if (ReadSettingText(autoGetIp) != autoGetIp || adapters_ == nullptr)
        return HostResetFailure::None;
    const HostStepOutcome outcome = RunHostStep(*adapters_);
    if (!IsUnsetAddress(outcome.gateway))
        data_.routerInfo.address = outcome.gateway.toStdString();
    return outcome.failure;
}

bool RouterTaskRunner::AreRouterMacsValid() const
{
    const MacInfo& mac = data_.macInfo;
    return IsValidMacText(QString::fromStdString(mac.cloneMac))
        && IsValidMacText(QString::fromStdString(mac.defaultMac))
        && IsValidMacText(QString::fromStdString(mac.factoryMac));
}

int RouterTaskRunner::RunAutoDetect()
{
    int result = 0;
    for (int attempt = 0; attempt < kDetectionAttempts; ++attempt) {
        result = Call(&CDLLObject::DetectWanType);
        Wait(kDetectionWait);
        if (result >= 0)
            break;
    }
    return result;
}

bool RouterTaskRunner::IsSameAccount(const PppoeInfo& a, const PppoeInfo& b)
{
    return a.userName == b.userName && a.password == b.password && a.macAddress == b.macAddress;
}

int RouterTaskRunner::RunAccountCheck()
{
    Wait(kAccountCheckStartWait);
    data_.router->SetRouterInfo(data_.routerInfo);
    data_.router->SetPppoeInfo(data_.pppoeInfo);
    CallWithRetry(&CDLLObject::ConnectWan, Retry::IfNegative);
    if (data_.wanConnectApplied == 0 || !IsSameAccount(data_.appliedPppoeInfo, data_.pppoeInfo))
        ApplyWanSettingsOnce();
    Wait(kAccountCheckConnectWait);
    data_.accountCheckResult = PollCable();
    return *data_.accountCheckResult;
}

int RouterTaskRunner::PollCable()
{
    int result = 0;
    for (int round = 0; round < kCableRounds; ++round) {
        result = Call(&CDLLObject::CheckCable);
        if (result == 1)
            return result;
        Wait(kCableWait);
    }
    return result;
}

// Sent once per account: checking the same account again must not make the
// router apply (and restart) its WAN settings again, but a corrected account
// must reach the router before its link is checked.
void RouterTaskRunner::ApplyWanSettingsOnce()
{
    if (Call(&CDLLObject::ApplyWanSettings) >= 0 || Call(&CDLLObject::ApplyWanSettings) == 1) {
        data_.wanConnectApplied = 1;
        data_.appliedPppoeInfo = data_.pppoeInfo;
    }
}

int RouterTaskRunner::RunSave()
{
    Wait(kSaveStartWait);
    data_.router->SetRouterInfo(data_.routerInfo);
    StoreWanRecord();
    StoreMacRecord();
    CallWithRetry(&CDLLObject::ApplyWanSettings, Retry::IfNegative);
    Wait(kWanApplyWait);
    data_.router->SetWirelessInfo(data_.wirelessInfo);
    data_.router->SetSecurityInfo(data_.securityInfo);
    const int result = CallWithRetry(&CDLLObject::ApplyWirelessSettings, Retry::IfBelowOne);
    Wait(kWirelessApplyWait);
    ReadWanStatus();
    return result;
}

void RouterTaskRunner::StoreWanRecord()
{
    switch (data_.routerInfo.wanType) {
    case 1:
        data_.router->SetStaticIpInfo(data_.staticIpInfo);
        break;
    case 3:
        data_.router->SetPppoeInfo(data_.pppoeInfo);
        break;
    case 4:
    case 5:
        data_.router->SetPptpInfo(data_.pptpInfo);
        break;
    default:
        break;
    }
}

void RouterTaskRunner::StoreMacRecord()
{
    data_.macInfo.wanMac = data_.chosenWanMac;
    data_.macInfo.hostName = data_.language.GetText(QStringLiteral("HostName")).toStdString();
    data_.router->SetMacInfo(data_.macInfo);
}

void RouterTaskRunner::RunReboot()
{
    CallWithRetry(&CDLLObject::ConnectWan, Retry::IfNegative);
    Wait(kRebootConnectWait);
    CallWithRetry(&CDLLObject::ApplyMacClone, Retry::IfNegative);
    Wait(kRebootWait);
    ReadWanStatus();
}

void RouterTaskRunner::ReadWanStatus()
{
    CallWithRetry(&CDLLObject::ReadWanStatus, Retry::IfBelowOne);
    data_.router->GetWanStatusInfo(data_.wanStatusInfo);
}

int RouterTaskRunner::CallWithRetry(Operation operation, Retry retry)
{
    const int first = Call(operation);
    const bool failed = retry == Retry::IfNegative ? first < 0 : first < 1;
    return failed ? Call(operation) : first;
}

int RouterTaskRunner::Call(Operation operation)
{
    return (data_.router->*operation)(data_.Endpoint());
}

void RouterTaskRunner::Wait(int milliseconds)
{
    sleeper_.Sleep(std::chrono::milliseconds(milliseconds));
}

std::optional<int> RunProgressTask(int task, WizardData& data, Sleeper& sleeper,
                                   const HostAdaptersFactory& adapters)
{
    RouterTaskRunner runner(data, sleeper, adapters);
    return runner.Run(task);
}
