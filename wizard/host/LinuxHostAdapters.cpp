#include "LinuxHostAdapters.h"

#include "RouteTable.h"
#include "RunCommandCapture.h"
#include "SysfsAdapters.h"

#include <algorithm>

namespace {

// The DHCP server fallback applies on every version here.
constexpr int systemMajorVersion = 6;

} // namespace

LinuxHostAdapters::LinuxHostAdapters(CommandRunner runner, QString sysfsRoot, QString routeTablePath)
    : networkManager_(std::move(runner)), sysfsRoot_(std::move(sysfsRoot)), routeTablePath_(std::move(routeTablePath))
{
}

bool LinuxHostAdapters::ResetAdaptersToDhcp()
{
    lastFailure_ = HostResetFailure::None;
    if (!networkManager_.IsRunning()) {
        lastFailure_ = HostResetFailure::NetworkManagerNotRunning;
        return false;
    }
    const auto adapters = ListWiredAdapters(sysfsRoot_);
    if (!adapters || adapters->empty()) {
        lastFailure_ = HostResetFailure::NoWiredAdapter;
        return false;
    }
    // One adapter on DHCP is enough to find the router; the first failure
    // is kept only when none is.
    bool anyOnDhcp = false;
    HostResetFailure firstFailure = HostResetFailure::None;
    for (const std::string& name : *adapters) {
        const auto failure = ResetAdapter(name);
        if (failure == HostResetFailure::None)
            anyOnDhcp = true;
        else if (failure && firstFailure == HostResetFailure::None)
            firstFailure = *failure;
    }
    if (!anyOnDhcp)
        lastFailure_ = firstFailure;
    // Without a cable no adapter can reach the router, whatever the switch did.
    if (std::all_of(adapters->begin(), adapters->end(),
                    [this](const std::string& name) { return ReportsNoCarrier(sysfsRoot_, name); }))
        lastFailure_ = HostResetFailure::NoCarrier;
    return lastFailure_ == HostResetFailure::None;
}

std::optional<HostResetFailure> LinuxHostAdapters::ResetAdapter(const std::string& name) const
{
    const std::string connection = networkManager_.ActiveConnection(name);
    if (connection.empty())
        return std::nullopt;
    // Re-activating would drop the address and every route for nothing.
    if (networkManager_.UsesDhcp(connection) && networkManager_.HasLease(name))
        return HostResetFailure::None;
    return networkManager_.SwitchToDhcp(connection, name);
}

bool LinuxHostAdapters::FindGatewayAddress(QString& gateway)
{
    const auto adapters = ListWiredAdapters(sysfsRoot_);
    if (!adapters)
        return false;
    std::vector<AdapterRecord> records;
    for (const std::string& name : *adapters)
        records.push_back(DescribeAdapter(name));
    PickGatewayAddress(records, systemMajorVersion, gateway);
    return true;
}

AdapterRecord LinuxHostAdapters::DescribeAdapter(const std::string& name) const
{
    AdapterRecord record;
    record.description = name;
    record.gateway = DefaultGatewayOf(routeTablePath_, name);
    const std::string connection = networkManager_.ActiveConnection(name);
    record.dhcpEnabled = !connection.empty() && networkManager_.UsesDhcp(connection);
    if (record.dhcpEnabled)
        record.dhcpServer = networkManager_.DhcpServer(name);
    return record;
}

std::unique_ptr<HostAdapters> CreateHostAdapters()
{
    return std::make_unique<LinuxHostAdapters>(
        [](const std::vector<std::string>& argv) { return RunCommandCapture(argv); });
}
