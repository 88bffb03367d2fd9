#include "NetworkManagerClient.h"

#include <sstream>

namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

NetworkManagerClient::NetworkManagerClient(CommandRunner runner) : runner_(std::move(runner))
{
}

bool NetworkManagerClient::IsRunning() const
{
    return Trimmed(Run({"-t", "-f", "RUNNING", "general"})) == "running";
}

std::string NetworkManagerClient::ActiveConnection(const std::string& device) const
{
    return Trimmed(Run({"-g", "GENERAL.CON-UUID", "device", "show", device}));
}

void NetworkManagerClient::SwitchToDhcp(const std::string& connection, const std::string& device) const
{
    Run({"connection", "modify", "uuid", connection, "ipv4.method", "auto", "ipv4.addresses", "", "ipv4.gateway", "",
         "ipv4.dns", "", "ipv4.ignore-auto-dns", "no"});
    Run({"connection", "up", "uuid", connection, "ifname", device});
}

bool NetworkManagerClient::UsesDhcp(const std::string& connection) const
{
    return Trimmed(Run({"-g", "ipv4.method", "connection", "show", "uuid", connection})) == "auto";
}

std::string NetworkManagerClient::DhcpServer(const std::string& device) const
{
    // Lines look like "DHCP4.OPTION[7]:dhcp_server_identifier = 192.168.0.1".
    std::istringstream lines(Run({"-t", "-f", "DHCP4", "device", "show", device}));
    const std::string option = "dhcp_server_identifier = ";
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.find(':');
        if (colon != std::string::npos && line.compare(colon + 1, option.size(), option) == 0)
            return Trimmed(line.substr(colon + 1 + option.size()));
    }
    return {};
}

std::string NetworkManagerClient::Run(std::vector<std::string> args) const
{
    args.insert(args.begin(), "nmcli");
    return runner_(args);
}
