#include "LinuxHostAdapters.h"
#include "SysfsAdapters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using Argv = std::vector<std::string>;

// A sysfs tree holding the kinds of interfaces a desktop shows.
class FakeSysfs {
public:
    FakeSysfs()
    {
        AddInterface("enp3s0", "1", {"device"});
        AddInterface("eth1", "1", {"device"});
        AddInterface("lo", "772", {});
        AddInterface("wlp2s0", "1", {"device", "wireless", "phy80211"});
        AddInterface("docker0", "1", {"bridge"});
        AddInterface("br0", "1", {"bridge"});
        AddInterface("veth12ab", "1", {});
        AddInterface("bond0", "1", {"bonding"});
        AddInterface("tap0", "1", {"tun_flags"});
        AddInterface("wwan0", "65534", {"device"});
        AddInterface("usbveth0", "1", {"device", "brport"});
    }

    QString Root() const { return dir_.path() + QStringLiteral("/net"); }
    QString RouteTable() const { return dir_.path() + QStringLiteral("/route"); }

    void WriteRouteTable(const char* text) const
    {
        QFile file(RouteTable());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

private:
    void AddInterface(const char* name, const char* type, std::initializer_list<const char*> entries)
    {
        const QString path = Root() + u'/' + QString::fromLatin1(name);
        QDir().mkpath(path);
        QFile typeFile(path + QStringLiteral("/type"));
        ASSERT_TRUE(typeFile.open(QIODevice::WriteOnly));
        typeFile.write(QByteArray(type) + '\n');
        for (const char* entry : entries)
            QDir().mkpath(path + u'/' + QString::fromLatin1(entry));
    }

    QTemporaryDir dir_;
};

const char* routeTable =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
    "enp3s0\t0000A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
    "eth1\t00000000\t0101A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
    "wlp2s0\t00000000\t0100000A\t0003\t0\t0\t600\t00000000\t0\t0\t0\n";

// Answers nmcli as a NetworkManager with the given connections would.
struct FakeNmcli {
    bool running = true;
    std::map<std::string, std::string> uuidOf;       // device -> active connection
    std::map<std::string, std::string> methodOf;     // connection -> ipv4.method
    std::map<std::string, std::string> dhcpServerOf; // device -> server
    std::vector<Argv> calls;

    CommandRunner Runner()
    {
        return [this](const Argv& argv) { return Answer(argv); };
    }

    std::string Answer(const Argv& argv)
    {
        calls.push_back(argv);
        if (argv.at(0) != "nmcli" || !running)
            return {};
        const Argv args(argv.begin() + 1, argv.end());
        if (args == Argv{"-t", "-f", "RUNNING", "general"})
            return "running\n";
        if (args.size() == 5 && args[1] == "GENERAL.CON-UUID")
            return Lookup(uuidOf, args[4]);
        if (args.size() == 6 && args[1] == "ipv4.method")
            return Lookup(methodOf, args[5]);
        if (args.size() == 6 && args[2] == "DHCP4") {
            const std::string server = Lookup(dhcpServerOf, args[5]);
            return server.empty() ? "" : "DHCP4.OPTION[1]:expiry = 1\nDHCP4.OPTION[2]:dhcp_server_identifier = " + server + "\n";
        }
        return "Connection successfully activated\n";
    }

    static std::string Lookup(const std::map<std::string, std::string>& map, const std::string& key)
    {
        const auto it = map.find(key);
        return it == map.end() ? std::string() : it->second + "\n";
    }
};

Argv Modify(const std::string& uuid)
{
    return {"nmcli", "connection", "modify", "uuid", uuid, "ipv4.method", "auto", "ipv4.addresses", "",
            "ipv4.gateway", "", "ipv4.dns", "", "ipv4.ignore-auto-dns", "no"};
}

TEST(ListWiredAdapters, KeepsOnlyWiredPhysicalEthernet)
{
    FakeSysfs sysfs;
    EXPECT_EQ(ListWiredAdapters(sysfs.Root()), (std::vector<std::string>{"enp3s0", "eth1"}));
    EXPECT_EQ(ListWiredAdapters(sysfs.Root() + QStringLiteral("/missing")), std::nullopt);
}

TEST(LinuxHostAdapters, ResetSwitchesEachActiveConnectionToDhcp)
{
    FakeSysfs sysfs;
    FakeNmcli nmcli;
    nmcli.uuidOf = {{"enp3s0", "uuid-a"}};
    LinuxHostAdapters adapters(nmcli.Runner(), sysfs.Root(), sysfs.RouteTable());
    EXPECT_TRUE(adapters.ResetAdaptersToDhcp());
    const std::vector<Argv> expected = {
        {"nmcli", "-t", "-f", "RUNNING", "general"},
        {"nmcli", "-g", "GENERAL.CON-UUID", "device", "show", "enp3s0"},
        Modify("uuid-a"),
        {"nmcli", "connection", "up", "uuid", "uuid-a", "ifname", "enp3s0"},
        {"nmcli", "-g", "GENERAL.CON-UUID", "device", "show", "eth1"},
    };
    EXPECT_EQ(nmcli.calls, expected);
}

TEST(LinuxHostAdapters, NoResetWithoutNetworkManagerOrAdapters)
{
    FakeSysfs sysfs;
    FakeNmcli stopped;
    stopped.running = false;
    EXPECT_FALSE(LinuxHostAdapters(stopped.Runner(), sysfs.Root(), sysfs.RouteTable()).ResetAdaptersToDhcp());
    EXPECT_EQ(stopped.calls.size(), 1u);

    FakeNmcli nmcli;
    QTemporaryDir empty;
    EXPECT_FALSE(LinuxHostAdapters(nmcli.Runner(), empty.path(), sysfs.RouteTable()).ResetAdaptersToDhcp());
}

TEST(LinuxHostAdapters, GatewayFromTheRouteTableThenFromDhcp)
{
    FakeSysfs sysfs;
    const struct {
        const char* routes;
        bool enpDhcp;
        const char* gateway;
    } cases[] = {
        {routeTable, false, "192.168.1.1"},
        {routeTable, true, "192.168.0.1"},
        {"Iface\tDestination\tGateway\tFlags\n", true, "192.168.0.1"},
        {"Iface\tDestination\tGateway\tFlags\n", false, ""},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        sysfs.WriteRouteTable(c.routes);
        FakeNmcli nmcli;
        nmcli.uuidOf = {{"enp3s0", "uuid-a"}};
        nmcli.methodOf = {{"uuid-a", c.enpDhcp ? "auto" : "manual"}};
        nmcli.dhcpServerOf = {{"enp3s0", "192.168.0.1"}};
        LinuxHostAdapters adapters(nmcli.Runner(), sysfs.Root(), sysfs.RouteTable());
        QString gateway;
        EXPECT_TRUE(adapters.FindGatewayAddress(gateway));
        EXPECT_EQ(gateway.toStdString(), c.gateway) << c.routes << c.enpDhcp;
    }
}

TEST(LinuxHostAdapters, LookupFailsWhenSysfsCannotBeRead)
{
    FakeNmcli nmcli;
    LinuxHostAdapters adapters(nmcli.Runner(), QStringLiteral("/nonexistent/corvane/net"), QStringLiteral("/nonexistent"));
    QString gateway;
    EXPECT_FALSE(adapters.FindGatewayAddress(gateway));
}

} // namespace
