// The host adapters of this platform: wired adapters from sysfs, switched to
// DHCP through NetworkManager, gateway from the kernel's route table.
#pragma once

#include "AdapterRecord.h"
#include "CommandRunner.h"
#include "HostAdapters.h"
#include "NetworkManagerClient.h"

#include <QString>

#include <optional>

class LinuxHostAdapters : public HostAdapters {
public:
    explicit LinuxHostAdapters(CommandRunner runner,
                               QString sysfsRoot = QStringLiteral("/sys/class/net"),
                               QString routeTablePath = QStringLiteral("/proc/net/route"));

    // False without NetworkManager, without a wired adapter, or when every
    // adapter that had to be switched failed; LastResetFailure says why.
    bool ResetAdaptersToDhcp() override;
    bool FindGatewayAddress(QString& gateway) override;
    HostResetFailure LastResetFailure() const override { return lastFailure_; }

private:
    // None when the adapter is on DHCP afterwards; nothing when it has no
    // active connection to switch.
    std::optional<HostResetFailure> ResetAdapter(const std::string& name) const;
    AdapterRecord DescribeAdapter(const std::string& name) const;

    NetworkManagerClient networkManager_;
    QString sysfsRoot_;
    QString routeTablePath_;
    HostResetFailure lastFailure_ = HostResetFailure::None;
};
