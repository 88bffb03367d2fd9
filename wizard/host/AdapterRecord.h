// What the gateway lookup needs to know of one host adapter, and the choice
// of the router address from a list of them.
#pragma once

#include <QString>

#include <vector>

struct AdapterRecord {
    std::string description;
    std::string gateway;
    bool dhcpEnabled = false;
    std::string dhcpServer;
};

// No address at all, or the all-zero one a host reports for "none".
bool IsUnsetAddress(const QString& address);

// The first adapter that yields an address wins; adapters described as
// "Virtual" never do. From system version 6 on, a DHCP adapter without a
// gateway offers its DHCP server instead.
void PickGatewayAddress(const std::vector<AdapterRecord>& adapters, int systemMajorVersion, QString& gateway);
