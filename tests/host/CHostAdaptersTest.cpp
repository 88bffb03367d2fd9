#include "CHostAdapters.h"
#include "WindowsCommandLine.h"

#include <gtest/gtest.h>

namespace {

using Argv = std::vector<std::string>;

const std::string twoAdapters =
    "\r\nWindows IP Configuration\r\n\r\n"
    "Ethernet adapter Local Area Connection:\r\n\r\n"
    "   Connection-specific DNS Suffix  . : \r\n"
    "   IP Address. . . . . . . . . . . . : 192.168.0.100\r\n\r\n"
    "PPP adapter Dial:\r\n\r\n"
    "Ethernet adapter Local Area Connection 2:\r\n\r\n"
    "   Media State . . . . . . . . . . . : Media disconnected\r\n";

struct RecordingRunner {
    std::vector<Argv> calls;
    std::string ipconfigOutput;

    CommandRunner Runner()
    {
        return [this](const Argv& argv) {
            calls.push_back(argv);
            return CommandResult{argv.front() == "ipconfig.exe" ? ipconfigOutput : std::string("Ok.\r\n"), 0};
        };
    }
};

Argv Netsh(const char* what, const std::string& name)
{
    return {"netsh", "-c", "interface", "ip", "set", what, "name", "=", name, "source=dhcp"};
}

TEST(ParseEthernetAdapters, TakesNamesFromEthernetSectionsOnly)
{
    const std::string forty(40, 'N');
    const struct {
        std::string output;
        std::vector<std::string> names;
    } cases[] = {
        {twoAdapters, {"Local Area Connection", "Local Area Connection 2"}},
        {"Ethernet adapter Local:\r\n", {}},
        {" Ethernet adapter Local:\r\n", {}},
        {"  Ethernet adapter Local:\r\n", {"Local"}},
        {"\r\n\r\nEthernet adapter " + forty + ":\r\n", {forty.substr(0, 33)}},
        {"\r\n\r\nEthernet adapter Short", {"Short"}},
        {"\r\n\r\nEthernet adapter", {""}},
        {"\r\n\r\nWireless LAN adapter Wi-Fi:\r\nTunnel adapter X:\r\n", {}},
        {"\r\n\r\nethernet adapter lower:\r\n", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        CHostAdapters adapters(RecordingRunner().Runner(), {}, 6);
        EXPECT_EQ(adapters.ParseEthernetAdapters(c.output), !c.names.empty()) << c.output;
        std::vector<std::string> names;
        for (const auto& [number, name] : adapters.Adapters()) {
            EXPECT_EQ(number, static_cast<int>(names.size()));
            names.push_back(name);
        }
        EXPECT_EQ(names, c.names) << c.output;
    }
}

TEST(CHostAdapters, ResetRunsAddressThenDnsPerAdapterInOrder)
{
    RecordingRunner runner;
    runner.ipconfigOutput = twoAdapters;
    CHostAdapters adapters(runner.Runner(), {}, 6);
    EXPECT_TRUE(adapters.ResetAdaptersToDhcp());
    const std::vector<Argv> expected = {
        {"ipconfig.exe"},
        Netsh("address", "Local Area Connection"),
        Netsh("dns", "Local Area Connection"),
        Netsh("address", "Local Area Connection 2"),
        Netsh("dns", "Local Area Connection 2"),
    };
    EXPECT_EQ(runner.calls, expected);
}

TEST(CHostAdapters, NoResetWithoutOutputOrAdapters)
{
    for (const std::string output : {"", "Ethernet adapter X:\r\n", "\r\nWireless LAN adapter Wi-Fi:\r\n"}) {
        RecordingRunner runner;
        runner.ipconfigOutput = output;
        CHostAdapters adapters(runner.Runner(), {}, 6);
        EXPECT_FALSE(adapters.ResetAdaptersToDhcp()) << output;
        EXPECT_EQ(adapters.LastResetFailure(), HostResetFailure::NoWiredAdapter) << output;
        EXPECT_EQ(runner.calls.size(), 1u) << output;
    }
}

TEST(CHostAdapters, FindGatewayChoosesFromTheAdapterList)
{
    const AdapterRecord virtualWithGateway{"Virtual Ethernet", "10.0.0.1", false, ""};
    const AdapterRecord dhcpWithoutGateway{"Wired", "0.0.0.0", true, "192.168.0.1"};
    const AdapterRecord staticGateway{"Wired 2", "192.168.1.1", false, ""};
    const struct {
        std::vector<AdapterRecord> list;
        int version;
        const char* start;
        const char* gateway;
    } cases[] = {
        {{virtualWithGateway}, 6, "", ""},
        {{virtualWithGateway, staticGateway}, 6, "", "192.168.1.1"},
        {{dhcpWithoutGateway, staticGateway}, 6, "", "192.168.0.1"},
        {{dhcpWithoutGateway}, 5, "", "0.0.0.0"},
        {{dhcpWithoutGateway, staticGateway}, 5, "", "192.168.1.1"},
        {{staticGateway}, 6, "172.16.0.1", "172.16.0.1"},
        {{staticGateway}, 6, "0.0.0.0", "192.168.1.1"},
        {{}, 6, "", ""},
    };
    for (const auto& c : cases) {
        const auto list = c.list;
        CHostAdapters adapters(RecordingRunner().Runner(), [list] { return std::optional(list); }, c.version);
        QString gateway = QString::fromUtf8(c.start);
        EXPECT_TRUE(adapters.FindGatewayAddress(gateway));
        EXPECT_EQ(gateway.toStdString(), c.gateway);
    }
    CHostAdapters unreadable(RecordingRunner().Runner(), [] { return std::optional<std::vector<AdapterRecord>>(); }, 6);
    QString gateway;
    EXPECT_FALSE(unreadable.FindGatewayAddress(gateway));
    EXPECT_TRUE(gateway.isEmpty());
}

TEST(SplitCommandLine, GroupsQuotedTextLikeTheOriginalSystem)
{
    const struct {
        std::string line;
        Argv args;
    } cases[] = {
        {"ipconfig.exe", {"ipconfig.exe"}},
        {"  a   b\tc  ", {"a", "b", "c"}},
        {"name = \"Local; Area\" x", {"name", "=", "Local; Area", "x"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"a\\\"b", {"a\"b"}},
        {"a\\b", {"a\\b"}},
        {"\"open rest", {"open rest"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

} // namespace
