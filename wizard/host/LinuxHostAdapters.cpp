#include "LinuxHostAdapters.h"

#include "RouteTable.h"
#include "RunCommandCapture.h"
#include "SysfsAdapters.h"

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
    if (!networkManager_.IsRunning())
        return false;
    const auto adapters = ListWiredAdapters(sysfsRoot_);
    if (!adapters || adapters->empty())
        return false;
    for (const std::string& name : *adapters) {
        const std::string connection = networkManager_.ActiveConnection(name);
        if (!connection.empty())
            networkManager_.SwitchToDhcp(connection, name);
    }
    return true;
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
    return std::make_unique<LinuxHostAdapters>(RunCommandCapture);
}
