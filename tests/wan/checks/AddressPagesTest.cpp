#include "AddressRules.h"
#include "PptpCheck.h"
#include "QtTestSupport.h"
#include "StaticIpCheck.h"

namespace {

std::uint32_t Ip(const char* text)
{
    return ParseDottedAddress(text);
}

std::string KeyOf(const std::optional<UserMessage>& warning)
{
    return warning ? warning->messageKey.toStdString() : std::string();
}

constexpr const char* kSameSegment = "The WAN IP and LAN IP cannot be the same segament";

TEST(StaticIpCheck, ReportsTheFirstFailedCheckAndStoresOnlyAcceptedEntries)
{
    const struct {
        const char* lan;
        const char* ip;
        const char* mask;
        const char* gateway;
        const char* dns1;
        const char* expectedKey; // empty: accepted
    } cases[] = {
        {"192.168.0.1", "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", ""},
        {"192.168.1.1", "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", kSameSegment},
        {"192.168.0.1", "192.168.1.10", "255.255.0.0", "192.168.1.1", "8.8.8.8", kSameSegment},
        {"192.168.0.1", "192.168.1.10", "255.255.0.255", "192.168.1.1", "8.8.8.8", "Subnet mask invalid"},
        {"192.168.0.1", "192.168.1.10", "0.0.0.0", "192.168.1.1", "8.8.8.8", "Subnet mask invalid"},
        {"192.168.0.1", "192.168.1.10", "255.255.255.255", "192.168.1.1", "8.8.8.8", ""},
        {"192.168.1.10", "192.168.1.10", "255.255.255.255", "192.168.1.1", "8.8.8.8", kSameSegment},
        {"192.168.0.1", "10.0.0.0", "255.0.0.0", "10.0.0.1", "8.8.8.8", "IP address invalid"},
        {"192.168.0.1", "10.0.0.255", "255.0.0.0", "10.0.0.1", "8.8.8.8", "IP address invalid"},
        {"192.168.0.1", "0.1.2.3", "255.0.0.0", "10.0.0.1", "8.8.8.8", "IP address invalid"},
        {"192.168.0.1", "255.1.2.3", "255.0.0.0", "10.0.0.1", "8.8.8.8", "IP address invalid"},
        // The address check comes before the mask check.
        {"192.168.0.1", "0.1.2.3", "0.0.0.0", "10.0.0.1", "8.8.8.8", "IP address invalid"},
        {"192.168.0.1", "10.1.1.2", "255.0.0.0", "10.1.1.0", "8.8.8.8", "Default gateway invalid"},
        {"192.168.0.1", "10.1.1.2", "255.0.0.0", "10.1.1.1", "0.0.0.0", "Primary DNS server invalid"},
        // A LAN text that does not parse is 255.255.255.255.
        {"router", "10.1.1.2", "255.0.0.0", "10.1.1.1", "8.8.8.8", ""},
        // The LAN address in the forms a router or a person writes it still guards.
        {"192.168.1.01", "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", kSameSegment},
        {"10.1", "10.1.1.2", "255.0.0.0", "10.1.1.1", "8.8.8.8", kSameSegment},
        {"0xC0.0xA8.1.1", "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", kSameSegment},
        // The gateway may equal the address and lie outside its subnet.
        {"192.168.0.1", "10.1.1.2", "255.255.255.0", "10.1.1.2", "8.8.8.8", ""},
        {"192.168.0.1", "10.1.1.2", "255.255.255.0", "172.16.0.1", "8.8.8.8", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.lan) + " " + c.ip + "/" + c.mask + " gw " + c.gateway + " dns " + c.dns1);
        RouterInfo router;
        router.address = c.lan;
        StaticIpInfo record{"old", "old", "old", "old", "old", "mac"};
        const StaticIpEntry entry{Ip(c.ip), Ip(c.mask), Ip(c.gateway), Ip(c.dns1), 0};
        const auto warning = CollectStaticIpSettings(entry, router, record);
        EXPECT_EQ(KeyOf(warning), c.expectedKey);
        if (warning) {
            EXPECT_EQ(warning->captionKey, QStringLiteral("Waring"));
            EXPECT_EQ(warning->boxType, MessageWarning);
            EXPECT_EQ(record.ipAddress, "old");
            EXPECT_EQ(record.dns2, "old");
        } else {
            EXPECT_EQ(record.ipAddress, c.ip);
            EXPECT_EQ(record.subnetMask, c.mask);
            EXPECT_EQ(record.gateway, c.gateway);
            EXPECT_EQ(record.dns1, c.dns1);
            EXPECT_EQ(record.dns2, "0.0.0.0"); // not checked, stored as entered
        }
        EXPECT_EQ(record.macAddress, "mac");
    }
}

PptpEntry StaticPptpEntry()
{
    return {Ip("10.0.0.1"), QStringLiteral("a&b"), QStringLiteral("p+w"), AddressModeStatic,
            Ip("172.16.1.10"), Ip("255.255.255.0"), Ip("172.16.1.1")};
}

PptpInfo OldPptpRecord()
{
    return {"old server", "old user", "old pass", 7, "old ip", "old mask", "old gw"};
}

TEST(PptpCheck, ChecksServerAccountAndStaticWanAddressInOrder)
{
    const struct {
        const char* name;
        void (*change)(PptpEntry&);
        const char* expectedKey;
    } cases[] = {
        {"valid", [](PptpEntry&) {}, ""},
        {"server 0.0.0.0 before the empty account",
         [](PptpEntry& e) { e.serverAddress = 0; e.account.clear(); }, "Server IP address invalid"},
        {"empty account", [](PptpEntry& e) { e.account.clear(); }, "User Name Empty"},
        {"empty password", [](PptpEntry& e) { e.password.clear(); }, "Password Empty"},
        {"bad WAN ip", [](PptpEntry& e) { e.wanIp = Ip("172.16.1.0"); }, "IP address invalid"},
        {"bad mask", [](PptpEntry& e) { e.wanMask = Ip("255.0.255.0"); }, "Subnet mask invalid"},
        {"bad gateway", [](PptpEntry& e) { e.wanGateway = Ip("172.16.1.255"); }, "Default gateway invalid"},
        {"LAN segment", [](PptpEntry& e) { e.wanIp = Ip("192.168.0.20"); }, kSameSegment},
        {"dynamic mode skips the WAN fields",
         [](PptpEntry& e) { e.addressMode = AddressModeDynamic; e.wanIp = 0; e.wanMask = 0; }, ""},
    };
    RouterInfo router;
    router.address = "192.168.0.1";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PptpEntry entry = StaticPptpEntry();
        c.change(entry);
        PptpInfo record = OldPptpRecord();
        const auto warning = CollectPptpSettings(entry, router, record);
        EXPECT_EQ(KeyOf(warning), c.expectedKey);
        // The address mode is stored before the checks, whatever they say.
        EXPECT_EQ(record.addressMode, entry.addressMode);
        if (warning) {
            EXPECT_EQ(record.serverAddress, "old server");
            EXPECT_EQ(record.userName, "old user");
            EXPECT_EQ(record.wanIp, "old ip");
        } else {
            EXPECT_EQ(record.serverAddress, "10.0.0.1");
            EXPECT_EQ(record.userName, "a%26b");
            EXPECT_EQ(record.password, "p%2bw");
        }
    }
}

TEST(PptpCheck, StoresTheWanAddressOnlyInStaticMode)
{
    RouterInfo router;
    router.address = "192.168.0.1";
    PptpInfo record = OldPptpRecord();
    ASSERT_FALSE(CollectPptpSettings(StaticPptpEntry(), router, record));
    EXPECT_EQ(record.wanIp, "172.16.1.10");
    EXPECT_EQ(record.wanMask, "255.255.255.0");
    EXPECT_EQ(record.wanGateway, "172.16.1.1");

    PptpEntry dynamic = StaticPptpEntry();
    dynamic.addressMode = AddressModeDynamic;
    dynamic.wanIp = Ip("1.2.3.4");
    ASSERT_FALSE(CollectPptpSettings(dynamic, router, record));
    EXPECT_EQ(record.wanIp, "172.16.1.10");
    EXPECT_EQ(record.addressMode, AddressModeDynamic);
}

TEST(PptpCheck, WanFieldsAreEnabledForEveryModeButDynamic)
{
    EXPECT_TRUE(AreWanAddressFieldsEnabled(AddressModeStatic));
    EXPECT_FALSE(AreWanAddressFieldsEnabled(AddressModeDynamic));
    EXPECT_EQ(PptpEntry().addressMode, AddressModeDynamic);
}

using PptpAddressModes = ProgramFolderTest;

TEST_F(PptpAddressModes, ComboTextsAreTheStaticAndDynamicTexts)
{
    WriteLanguage(QStringLiteral("English.ini"), QStringLiteral("Static=Fixed\nDynamic=Automatic\n"));
    CLanguageTable language;
    EXPECT_EQ(AddressModeTexts(language), (QStringList{QStringLiteral("Fixed"), QStringLiteral("Automatic")}));
}

} // namespace
