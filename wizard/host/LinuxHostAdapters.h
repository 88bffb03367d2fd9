// The host adapters of this platform: wired adapters from sysfs, switched to
// DHCP through NetworkManager, gateway from the kernel's route table.
#pragma once

#include "AdapterRecord.h"
#include "CommandRunner.h"
#include "HostAdapters.h"
#include "NetworkManagerClient.h"

#include <QString>

class LinuxHostAdapters : public HostAdapters {
public:
    explicit LinuxHostAdapters(CommandRunner runner,
                               QString sysfsRoot = QStringLiteral("/sys/class/net"),
                               QString routeTablePath = QStringLiteral("/proc/net/route"));

    // False without NetworkManager or without a wired adapter.
    bool ResetAdaptersToDhcp() override;
    bool FindGatewayAddress(QString& gateway) override;

private:
    AdapterRecord DescribeAdapter(const std::string& name) const;

    NetworkManagerClient networkManager_;
    QString sysfsRoot_;
    QString routeTablePath_;
};
