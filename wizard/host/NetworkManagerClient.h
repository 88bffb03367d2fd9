// The few NetworkManager requests the adapter reset needs, made through
// nmcli with argument vectors (device names may hold any character).
#pragma once

#include "CommandRunner.h"
#include "HostResetFailure.h"

#include <string>

class NetworkManagerClient {
public:
    // How long an activation may wait for its DHCP lease: a few times the
    // usual first lease, far below NetworkManager's own DHCP time-out.
    static constexpr int activationWaitSeconds = 15;

    explicit NetworkManagerClient(CommandRunner runner);

    bool IsRunning() const;
    // UUID of the device's active connection; empty when it has none.
    std::string ActiveConnection(const std::string& device) const;
    // Address, gateway and DNS from DHCP, then the connection is re-activated
    // and waited for; None when both steps were done.
    HostResetFailure SwitchToDhcp(const std::string& connection, const std::string& device) const;
    bool UsesDhcp(const std::string& connection) const;
    // Whether the device holds an address leased by a DHCP server.
    bool HasLease(const std::string& device) const;
    // The server that gave the device its DHCP lease; empty when unknown.
    std::string DhcpServer(const std::string& device) const;

private:
    std::string DhcpOption(const std::string& device, const std::string& name) const;
    std::string Output(std::vector<std::string> args) const;
    CommandResult Run(std::vector<std::string> args) const;

    CommandRunner runner_;
};
