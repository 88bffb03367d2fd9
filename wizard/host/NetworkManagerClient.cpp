#include "NetworkManagerClient.h"

#include <sstream>

namespace {

// nmcli's documented exit codes.
constexpr int nmcliTimedOut = 3;
constexpr int nmcliActivationFailed = 4;
constexpr int nmcliServiceNotRunning = 8;

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool RefusedByPolicy(const std::string& output)
{
    return output.find("Insufficient privileges") != std::string::npos
        || output.find("Not authorized") != std::string::npos;
}

// Why a modify or an activation did not take effect.
HostResetFailure FailureOf(const CommandResult& result, bool activation)
{
    if (result.exitStatus == 0)
        return HostResetFailure::None;
    if (result.exitStatus == nmcliServiceNotRunning)
        return HostResetFailure::NetworkManagerNotRunning;
    if (RefusedByPolicy(result.output))
        return HostResetFailure::NotAuthorised;
    if (activation && (result.exitStatus == nmcliTimedOut || result.exitStatus == nmcliActivationFailed))
        return HostResetFailure::NoDhcpAnswer;
    return HostResetFailure::CommandFailed;
}

} // namespace

NetworkManagerClient::NetworkManagerClient(CommandRunner runner) : runner_(std::move(runner))
{
}

bool NetworkManagerClient::IsRunning() const
{
    return Trimmed(Output({"-t", "-f", "RUNNING", "general"})) == "running";
}

std::string NetworkManagerClient::ActiveConnection(const std::string& device) const
{
    return Trimmed(Output({"-g", "GENERAL.CON-UUID", "device", "show", device}));
}

HostResetFailure NetworkManagerClient::SwitchToDhcp(const std::string& connection, const std::string& device) const
{
    const HostResetFailure modified = FailureOf(
        Run({"connection", "modify", "uuid", connection, "ipv4.method", "auto", "ipv4.addresses", "", "ipv4.gateway",
             "", "ipv4.dns", "", "ipv4.ignore-auto-dns", "no"}),
        false);
    if (modified != HostResetFailure::None)
        return modified;
    return FailureOf(Run({"--wait", std::to_string(activationWaitSeconds), "connection", "up", "uuid", connection,
                          "ifname", device}),
                     true);
}

bool NetworkManagerClient::UsesDhcp(const std::string& connection) const
{
    return Trimmed(Output({"-g", "ipv4.method", "connection", "show", "uuid", connection})) == "auto";
}

bool NetworkManagerClient::HasLease(const std::string& device) const
{
    return !DhcpOption(device, "ip_address").empty();
}

std::string NetworkManagerClient::DhcpServer(const std::string& device) const
{
    return DhcpOption(device, "dhcp_server_identifier");
}

std::string NetworkManagerClient::DhcpOption(const std::string& device, const std::string& name) const
{
    // Lines look like "DHCP4.OPTION[7]:dhcp_server_identifier = 192.168.0.1".
    std::istringstream lines(Output({"-t", "-f", "DHCP4", "device", "show", device}));
    const std::string option = name + " = ";
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.find(':');
        if (colon != std::string::npos && line.compare(colon + 1, option.size(), option) == 0)
            return Trimmed(line.substr(colon + 1 + option.size()));
    }
    return {};
}

std::string NetworkManagerClient::Output(std::vector<std::string> args) const
{
    return Run(std::move(args)).output;
}

CommandResult NetworkManagerClient::Run(std::vector<std::string> args) const
{
    // Untranslated answers: the replies and refusals are matched as text.
    args.insert(args.begin(), {"env", "LC_ALL=C", "nmcli"});
    return runner_(args);
}
