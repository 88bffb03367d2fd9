#include "LinuxHostAdapters.h"
#include "SysfsAdapters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
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

    void WriteCarrier(const char* name, const char* carrier) const
    {
        QFile file(Root() + u'/' + QString::fromLatin1(name) + QStringLiteral("/carrier"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(carrier);
    }
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

const Argv nmcli = {"env", "LC_ALL=C", "nmcli"};

// Answers nmcli as a NetworkManager with the given connections would.
struct FakeNmcli {
    bool running = true;
    std::map<std::string, std::string> uuidOf;       // device -> active connection
    std::map<std::string, std::string> methodOf;     // connection -> ipv4.method
    std::map<std::string, std::string> dhcpServerOf; // device -> server of its lease
    std::map<std::string, CommandResult> answerTo;   // "modify"/"up" + connection -> answer
    std::vector<Argv> calls;

    CommandRunner Runner()
    {
        return [this](const Argv& argv) { return Answer(argv); };
    }

    CommandResult Answer(const Argv& argv)
    {
        calls.push_back(argv);
        if (!std::equal(nmcli.begin(), nmcli.end(), argv.begin()) || !running)
            return {"Error: NetworkManager is not running.\n", 8};
        const Argv args(argv.begin() + 3, argv.end());
        if (args == Argv{"-t", "-f", "RUNNING", "general"})
            return {"running\n", 0};
        if (args.size() == 5 && args[1] == "GENERAL.CON-UUID")
            return {Lookup(uuidOf, args[4]), 0};
        if (args.size() == 6 && args[1] == "ipv4.method")
            return {Lookup(methodOf, args[5]), 0};
        if (args.size() == 6 && args[2] == "DHCP4") {
            const std::string server = Lookup(dhcpServerOf, args[5]);
            return {server.empty() ? "" : "DHCP4.OPTION[1]:ip_address = 192.168.0.100\nDHCP4.OPTION[2]:dhcp_server_identifier = " + server, 0};
        }
        const std::string step = args[0] == "connection" ? "modify" : "up";
        const auto answer = answerTo.find(step + args.at(step == "modify" ? 3 : 5));
        return answer == answerTo.end() ? CommandResult{"Connection successfully activated\n", 0} : answer->second;
    }

    static std::string Lookup(const std::map<std::string, std::string>& map, const std::string& key)
    {
        const auto it = map.find(key);
        return it == map.end() ? std::string() : it->second + "\n";
    }
};

Argv Nmcli(const Argv& args)
{
    Argv argv = nmcli;
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

Argv Modify(const std::string& uuid)
{
    return Nmcli({"connection", "modify", "uuid", uuid, "ipv4.method", "auto", "ipv4.addresses", "",
                  "ipv4.gateway", "", "ipv4.dns", "", "ipv4.ignore-auto-dns", "no"});
}

Argv Up(const std::string& uuid, const std::string& device)
{
    return Nmcli({"--wait", "15", "connection", "up", "uuid", uuid, "ifname", device});
}

TEST(ListWiredAdapters, KeepsOnlyWiredPhysicalEthernet)
{
    FakeSysfs sysfs;
    EXPECT_EQ(ListWiredAdapters(sysfs.Root()), (std::vector<std::string>{"enp3s0", "eth1"}));
    EXPECT_EQ(ListWiredAdapters(sysfs.Root() + QStringLiteral("/missing")), std::nullopt);
}

TEST(LinuxHostAdapters, ResetSwitchesOnlyConnectionsNotAlreadyLeased)
{
    FakeSysfs sysfs;
    FakeNmcli fake;
    // enp3s0 is static; eth1 is on DHCP and holds a lease.
    fake.uuidOf = {{"enp3s0", "uuid-a"}, {"eth1", "uuid-b"}};
    fake.methodOf = {{"uuid-a", "manual"}, {"uuid-b", "auto"}};
    fake.dhcpServerOf = {{"eth1", "192.168.1.1"}};
    LinuxHostAdapters adapters(fake.Runner(), sysfs.Root(), sysfs.RouteTable());
    EXPECT_TRUE(adapters.ResetAdaptersToDhcp());
    EXPECT_EQ(adapters.LastResetFailure(), HostResetFailure::None);
    const std::vector<Argv> expected = {
        Nmcli({"-t", "-f", "RUNNING", "general"}),
        Nmcli({"-g", "GENERAL.CON-UUID", "device", "show", "enp3s0"}),
        Nmcli({"-g", "ipv4.method", "connection", "show", "uuid", "uuid-a"}),
        Modify("uuid-a"),
        Up("uuid-a", "enp3s0"),
        Nmcli({"-g", "GENERAL.CON-UUID", "device", "show", "eth1"}),
        Nmcli({"-g", "ipv4.method", "connection", "show", "uuid", "uuid-b"}),
        Nmcli({"-t", "-f", "DHCP4", "device", "show", "eth1"}),
    };
    EXPECT_EQ(fake.calls, expected);

    // On DHCP but without a lease (still waiting, or the server was away):
    // activated again.
    fake.calls.clear();
    fake.dhcpServerOf.clear();
    EXPECT_TRUE(adapters.ResetAdaptersToDhcp());
    EXPECT_EQ(fake.calls.back(), Up("uuid-b", "eth1"));
}

TEST(LinuxHostAdapters, RefusedOrFailedSwitchIsReportedWithItsCause)
{
    const CommandResult done{"Connection successfully activated\n", 0};
    const struct {
        const char* what;
        CommandResult modify;
        CommandResult up;
        HostResetFailure failure;
        std::size_t calls; // nmcli runs in all
    } cases[] = {
        {"switched", done, done, HostResetFailure::None, 5},
        {"modify refused",
         {"Error: Failed to modify connection 'Wired': Insufficient privileges\n", 1}, done,
         HostResetFailure::NotAuthorised, 4},
        {"activation refused", done,
         {"Error: Connection activation failed: Not authorized to control networking.\n", 4},
         HostResetFailure::NotAuthorised, 5},
        {"no DHCP answer within the wait", done, {"Error: Timeout expired (15 seconds)\n", 3},
         HostResetFailure::NoDhcpAnswer, 5},
        {"activation failed", done,
         {"Error: Connection activation failed: IP configuration could not be reserved\n", 4},
         HostResetFailure::NoDhcpAnswer, 5},
        {"service gone meanwhile", {"Error: NetworkManager is not running.\n", 8}, done,
         HostResetFailure::NetworkManagerNotRunning, 4},
        {"nmcli killed at its limit", {"", -1}, done, HostResetFailure::CommandFailed, 4},
        {"invalid setting", {"Error: invalid property\n", 2}, done, HostResetFailure::CommandFailed, 4},
    };
    FakeSysfs sysfs;
    for (const auto& c : cases) {
        FakeNmcli fake;
        fake.uuidOf = {{"enp3s0", "uuid-a"}};
        fake.answerTo = {{"modifyuuid-a", c.modify}, {"upuuid-a", c.up}};
        LinuxHostAdapters adapters(fake.Runner(), sysfs.Root(), sysfs.RouteTable());
        EXPECT_EQ(adapters.ResetAdaptersToDhcp(), c.failure == HostResetFailure::None) << c.what;
        EXPECT_EQ(adapters.LastResetFailure(), c.failure) << c.what;
        // Three look-ups (service, connection, method) precede the switch;
        // eth1 has no connection and adds one more.
        EXPECT_EQ(fake.calls.size(), c.calls + 1) << c.what;
    }
}

TEST(LinuxHostAdapters, OneAdapterOnDhcpIsEnough)
{
    FakeSysfs sysfs;
    FakeNmcli fake;
    fake.uuidOf = {{"enp3s0", "uuid-a"}, {"eth1", "uuid-b"}};
    fake.answerTo = {{"upuuid-a", {"Error: Timeout expired (15 seconds)\n", 3}}};
    LinuxHostAdapters adapters(fake.Runner(), sysfs.Root(), sysfs.RouteTable());
    EXPECT_TRUE(adapters.ResetAdaptersToDhcp());
    EXPECT_EQ(adapters.LastResetFailure(), HostResetFailure::None);

    fake.answerTo["upuuid-b"] = {"Error: Connection activation failed: Not authorized to control networking.\n", 4};
    EXPECT_FALSE(adapters.ResetAdaptersToDhcp());
    EXPECT_EQ(adapters.LastResetFailure(), HostResetFailure::NoDhcpAnswer);

    // A later success forgets the earlier failure.
    fake.answerTo.clear();
    EXPECT_TRUE(adapters.ResetAdaptersToDhcp());
    EXPECT_EQ(adapters.LastResetFailure(), HostResetFailure::None);
}

TEST(LinuxHostAdapters, NoResetWithoutNetworkManagerOrAdapters)
{
    FakeSysfs sysfs;
    FakeNmcli stopped;
    stopped.running = false;
    LinuxHostAdapters withoutService(stopped.Runner(), sysfs.Root(), sysfs.RouteTable());
    EXPECT_FALSE(withoutService.ResetAdaptersToDhcp());
    EXPECT_EQ(withoutService.LastResetFailure(), HostResetFailure::NetworkManagerNotRunning);
    EXPECT_EQ(stopped.calls.size(), 1u);

    FakeNmcli fake;
    QTemporaryDir empty;
    LinuxHostAdapters withoutAdapters(fake.Runner(), empty.path(), sysfs.RouteTable());
    EXPECT_FALSE(withoutAdapters.ResetAdaptersToDhcp());
    EXPECT_EQ(withoutAdapters.LastResetFailure(), HostResetFailure::NoWiredAdapter);
}

TEST(LinuxHostAdapters, CableOutOfEveryWiredAdapterIsTheReason)
{
    const struct {
        const char* what;
        const char* enpCarrier; // nullptr: the adapter cannot tell
        const char* ethCarrier;
        bool connected;         // enp3s0 has an active connection
        HostResetFailure failure;
    } cases[] = {
        {"both cables out, no connection left", "0\n", "0\n", false, HostResetFailure::NoCarrier},
        {"both cables out, switch attempted", "0\n", "0\n", true, HostResetFailure::NoCarrier},
        {"one cable in", "0\n", "1\n", false, HostResetFailure::None},
        {"one adapter cannot tell", "0\n", nullptr, false, HostResetFailure::None},
    };
    for (const auto& c : cases) {
        FakeSysfs sysfs;
        sysfs.WriteCarrier("enp3s0", c.enpCarrier);
        if (c.ethCarrier)
            sysfs.WriteCarrier("eth1", c.ethCarrier);
        FakeNmcli fake;
        if (c.connected)
            fake.uuidOf = {{"enp3s0", "uuid-a"}};
        LinuxHostAdapters adapters(fake.Runner(), sysfs.Root(), sysfs.RouteTable());
        EXPECT_EQ(adapters.ResetAdaptersToDhcp(), c.failure == HostResetFailure::None) << c.what;
        EXPECT_EQ(adapters.LastResetFailure(), c.failure) << c.what;
    }
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
        FakeNmcli fake;
        fake.uuidOf = {{"enp3s0", "uuid-a"}};
        fake.methodOf = {{"uuid-a", c.enpDhcp ? "auto" : "manual"}};
        fake.dhcpServerOf = {{"enp3s0", "192.168.0.1"}};
        LinuxHostAdapters adapters(fake.Runner(), sysfs.Root(), sysfs.RouteTable());
        QString gateway;
        EXPECT_TRUE(adapters.FindGatewayAddress(gateway));
        EXPECT_EQ(gateway.toStdString(), c.gateway) << c.routes << c.enpDhcp;
    }
}

TEST(LinuxHostAdapters, LookupFailsWhenSysfsCannotBeRead)
{
    FakeNmcli fake;
    LinuxHostAdapters adapters(fake.Runner(), QStringLiteral("/nonexistent/corvane/net"), QStringLiteral("/nonexistent"));
    QString gateway;
    EXPECT_FALSE(adapters.FindGatewayAddress(gateway));
}

} // namespace
