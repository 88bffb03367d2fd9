// The few NetworkManager requests the adapter reset needs, made through
// nmcli with argument vectors (device names may hold any character).
#pragma once

#include "CommandRunner.h"

#include <string>

class NetworkManagerClient {
public:
    explicit NetworkManagerClient(CommandRunner runner);

    bool IsRunning() const;
    // UUID of the device's active connection; empty when it has none.
    std::string ActiveConnection(const std::string& device) const;
    // Address, gateway and DNS from DHCP, then the connection is re-activated.
    void SwitchToDhcp(const std::string& connection, const std::string& device) const;
    bool UsesDhcp(const std::string& connection) const;
    // The server that gave the device its DHCP lease; empty when unknown.
    std::string DhcpServer(const std::string& device) const;

private:
    std::string Run(std::vector<std::string> args) const;

    CommandRunner runner_;
};
