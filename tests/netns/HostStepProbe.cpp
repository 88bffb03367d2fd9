// The link check's host step as Setup runs it, against whatever network
// service this process reaches: reset the wired adapters to DHCP, then look
// the gateway up (after a failed reset too). Prints one "key=value" line per result for the namespace
// test to check, with the language key of the sentence the connect-failed
// window would show when no router answered after this step.
#include "HostStep.h"
#include "LinkCheckDiagnosis.h"
#include "LinuxHostAdapters.h"
#include "RunCommandCapture.h"

#include <chrono>
#include <iostream>

namespace {

const char* FailureName(HostResetFailure failure)
{
    switch (failure) {
    case HostResetFailure::None: return "None";
    case HostResetFailure::NoWiredAdapter: return "NoWiredAdapter";
    case HostResetFailure::NoCarrier: return "NoCarrier";
    case HostResetFailure::NetworkManagerNotRunning: return "NetworkManagerNotRunning";
    case HostResetFailure::NotAuthorised: return "NotAuthorised";
    case HostResetFailure::NoDhcpAnswer: return "NoDhcpAnswer";
    case HostResetFailure::CommandFailed: return "CommandFailed";
    }
    return "?";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " SYSFS_NET_ROOT\n";
        return 2;
    }
    LinuxHostAdapters adapters([](const std::vector<std::string>& command) { return RunCommandCapture(command); },
                               QString::fromLocal8Bit(argv[1]));
    const auto start = std::chrono::steady_clock::now();
    const HostStepOutcome outcome = RunHostStep(adapters);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    const LinkCheckCause cause = DiagnoseLinkCheck({outcome.failure, -1, false});
    std::cout << "cause=" << LinkCheckCauseKey(cause).toStdString() << '\n';
    std::cout << "reset=" << (outcome.failure == HostResetFailure::None) << "\nfailure=" << FailureName(outcome.failure)
              << "\nreset_ms=" << took.count() << "\ngateway=" << outcome.gateway.toStdString() << std::endl;
    return 0;
}
