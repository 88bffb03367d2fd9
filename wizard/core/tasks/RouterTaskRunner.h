// Runs one router task: the fixed order of router calls, retries and waits
// behind a progress dialog. Runs on the dialog's worker thread while the GUI
// thread leaves WizardData alone.
#pragma once

#include "HostAdapters.h"
#include "Sleeper.h"
#include "WizardData.h"

#include <functional>
#include <memory>
#include <optional>

using HostAdaptersFactory = std::function<std::unique_ptr<HostAdapters>()>;

class RouterTaskRunner {
public:
    RouterTaskRunner(WizardData& data, Sleeper& sleeper, HostAdaptersFactory adapters);

    // The task's result; none for TaskReboot and for unknown codes.
    std::optional<int> Run(int task);

private:
    int RunLinkCheck();
    HostResetFailure LookUpRouterAddress();
    bool AreRouterMacsValid() const;
    int RunAutoDetect();
    int RunAccountCheck();
    int PollCable();
    void ApplyWanSettingsOnce();
    static bool IsSameAccount(const PppoeInfo& a, const PppoeInfo& b);
    int RunSave();
    void StoreWanRecord();
    void StoreMacRecord();
    void RunReboot();
    void ReadWanStatus();

    using Operation = int (CDLLObject::*)(RouterEndpoint);
    enum class Retry { IfNegative, IfBelowOne };

    // Each call gets a fresh endpoint; a retry repeats the call once and
    // its value replaces the first.
    int CallWithRetry(Operation operation, Retry retry);
    int Call(Operation operation);
    void Wait(int milliseconds);

    WizardData& data_;
    Sleeper& sleeper_;
    HostAdaptersFactory adaptersFactory_;
    std::unique_ptr<HostAdapters> adapters_;
};

// One run of a progress dialog's worker: a fresh set of host adapters, then
// the task's sequence.
std::optional<int> RunProgressTask(int task, WizardData& data, Sleeper& sleeper,
                                   const HostAdaptersFactory& adapters = CreateHostAdapters);
