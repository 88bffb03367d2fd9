// The Static IP and PPTP/L2TP pages: typed addresses to records, warnings
// in check order, and the PPTP page's address mode.
#include "CPPTPSettingDlg.h"
#include "CStaticIpDlg.h"

#include "CIpAddressEdit.h"
#include "CSkStatic.h"
#include "FakeWizardHost.h"
#include "PageTestSupport.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

struct StaticIpCase {
    QString ip, mask, gateway, dns1, dns2;
    QString message; // empty: accepted
};

class StaticIpPageTest : public PageTest {
protected:
    StaticIpPageTest() { host.data.routerInfo.address = "192.168.0.1"; }
    void TypeAll(const StaticIpCase& c)
    {
        const QString* texts[] = {&c.ip, &c.mask, &c.gateway, &c.dns1, &c.dns2};
        for (int i = 0; i < 5; ++i)
            TypeAddress(FindControlAs<CIpAddressEdit>(&page, CStaticIpDlg::kIpAddressEntry + i), *texts[i]);
    }

    FakeWizardHost host;
    CStaticIpDlg page{nullptr, host};
};

TEST_F(StaticIpPageTest, TypedAddressesAreStoredAsDottedText)
{
    TypeAll({"192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", "0.0.0.0", ""});
    EXPECT_TRUE(page.CollectSettings());
    const StaticIpInfo& r = host.data.staticIpInfo;
    EXPECT_EQ(r.ipAddress, "192.168.1.10");
    EXPECT_EQ(r.subnetMask, "255.255.255.0");
    EXPECT_EQ(r.gateway, "192.168.1.1");
    EXPECT_EQ(r.dns1, "8.8.8.8");
    EXPECT_EQ(r.dns2, "0.0.0.0");
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(StaticIpPageTest, FirstFailedCheckWarnsOnceAndKeepsTheRecord)
{
    const StaticIpCase cases[] = {
        {"10.0.0.0", "255.0.0.0", "10.0.0.1", "8.8.8.8", "0.0.0.0", "IP address invalid"},
        {"0.1.2.3", "255.0.0.0", "10.0.0.1", "8.8.8.8", "0.0.0.0", "IP address invalid"},
        {"192.168.1.10", "255.255.0.255", "192.168.1.1", "8.8.8.8", "0.0.0.0", "Subnet mask invalid"},
        {"192.168.1.10", "0.0.0.0", "192.168.1.1", "8.8.8.8", "0.0.0.0", "Subnet mask invalid"},
        {"192.168.1.10", "255.255.255.0", "0.0.0.0", "8.8.8.8", "0.0.0.0", "Default gateway invalid"},
        {"192.168.1.10", "255.255.255.0", "192.168.1.1", "0.0.0.0", "0.0.0.0", "Primary DNS server invalid"},
        {"192.168.0.10", "255.255.255.0", "192.168.0.1", "8.8.8.8", "0.0.0.0",
         "The WAN IP and LAN IP cannot be the same segament"},
    };
    for (const StaticIpCase& c : cases) {
        host.data.staticIpInfo = StaticIpInfo{"old", "", "", "", "", ""};
        TypeAll(c);
        EXPECT_FALSE(page.CollectSettings()) << c.message.toStdString();
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].type, 1);
        EXPECT_EQ(shown[0].caption, "Warning");
        EXPECT_EQ(shown[0].message, c.message);
        EXPECT_EQ(host.data.staticIpInfo.ipAddress, "old");
    }
}

class PptpPageTest : public PageTest {
protected:
    PptpPageTest() { host.data.routerInfo.address = "192.168.0.1"; }
    CIpAddressEdit* Entry(int id) { return FindControlAs<CIpAddressEdit>(&page, id); }
    QComboBox* Modes() { return FindControlAs<QComboBox>(&page, CPPTPSettingDlg::kAddressModeList); }
    void TypeAccount(const QString& account, const QString& password)
    {
        TypeInto(FindControl(&page, CPPTPSettingDlg::kAccountEdit), account);
        TypeInto(FindControl(&page, CPPTPSettingDlg::kPasswordEdit), password);
    }
    void TypeWan(const QString& ip, const QString& mask, const QString& gateway)
    {
        TypeAddress(Entry(CPPTPSettingDlg::kWanIpEntry), ip);
        TypeAddress(Entry(CPPTPSettingDlg::kWanMaskEntry), mask);
        TypeAddress(Entry(CPPTPSettingDlg::kWanGatewayEntry), gateway);
    }
    bool WanFieldsEnabled()
    {
        return Entry(CPPTPSettingDlg::kWanIpEntry)->isEnabled() && Entry(CPPTPSettingDlg::kWanMaskEntry)->isEnabled() &&
               Entry(CPPTPSettingDlg::kWanGatewayEntry)->isEnabled();
    }

    FakeWizardHost host;
    CPPTPSettingDlg page{nullptr, host};
};

TEST_F(PptpPageTest, AddressModeListStartsDynamicWithWanFieldsDisabled)
{
    ASSERT_EQ(Modes()->count(), 2);
    EXPECT_EQ(Modes()->itemText(0), "Static");
    EXPECT_EQ(Modes()->itemText(1), "From provider");
    EXPECT_EQ(Modes()->currentIndex(), 1);
    EXPECT_FALSE(Entry(CPPTPSettingDlg::kWanIpEntry)->isEnabled());
    Modes()->setCurrentIndex(0);
    EXPECT_TRUE(WanFieldsEnabled());
    Modes()->setCurrentIndex(1);
    EXPECT_FALSE(Entry(CPPTPSettingDlg::kWanGatewayEntry)->isEnabled());
}

TEST_F(PptpPageTest, TitleIsSetAsPlainTextAndKeepsTheEntries)
{
    TypeAccount(QStringLiteral("user"), QStringLiteral("secret"));
    page.SetTitleText(QStringLiteral("L2TP"));
    EXPECT_EQ(FindControlAs<CSkStatic>(&page, CPPTPSettingDlg::kTitle)->text(), "L2TP");
    page.SetTitleText(QStringLiteral("PPTP"));
    EXPECT_EQ(FindControlAs<CSkStatic>(&page, CPPTPSettingDlg::kTitle)->text(), "PPTP");
    EXPECT_EQ(FindControlAs<QLineEdit>(&page, CPPTPSettingDlg::kAccountEdit)->text(), "user");
}

TEST_F(PptpPageTest, DynamicModeStoresTheTunnelAndKeepsEarlierWanValues)
{
    host.data.pptpInfo.wanIp = "earlier";
    TypeAddress(Entry(CPPTPSettingDlg::kServerEntry), QStringLiteral("10.1.2.3"));
    TypeAccount(QStringLiteral("a&b"), QStringLiteral("secret"));
    EXPECT_TRUE(page.CollectSettings());
    EXPECT_EQ(host.data.pptpInfo.serverAddress, "10.1.2.3");
    EXPECT_EQ(host.data.pptpInfo.userName, "a%26b");
    EXPECT_EQ(host.data.pptpInfo.addressMode, 1);
    EXPECT_EQ(host.data.pptpInfo.wanIp, "earlier");
}

TEST_F(PptpPageTest, StaticModeStoresTheWanAddresses)
{
    Modes()->setCurrentIndex(0);
    TypeAddress(Entry(CPPTPSettingDlg::kServerEntry), QStringLiteral("10.1.2.3"));
    TypeAccount(QStringLiteral("user"), QStringLiteral("secret"));
    TypeWan(QStringLiteral("172.16.0.5"), QStringLiteral("255.255.0.0"), QStringLiteral("172.16.0.1"));
    EXPECT_TRUE(page.CollectSettings());
    EXPECT_EQ(host.data.pptpInfo.addressMode, 0);
    EXPECT_EQ(host.data.pptpInfo.wanIp, "172.16.0.5");
    EXPECT_EQ(host.data.pptpInfo.wanMask, "255.255.0.0");
    EXPECT_EQ(host.data.pptpInfo.wanGateway, "172.16.0.1");
}

TEST_F(PptpPageTest, FirstFailedCheckWarnsOnceStoringOnlyTheMode)
{
    const struct {
        int mode;
        QString server, account, password, ip, mask, gateway;
        QString message;
    } cases[] = {
        {1, "0.0.0.0", "", "", "0.0.0.0", "0.0.0.0", "0.0.0.0", "Server IP address invalid"},
        {1, "10.1.2.3", "", "secret", "0.0.0.0", "0.0.0.0", "0.0.0.0", "User Name Empty"},
        {1, "10.1.2.3", "user", "", "0.0.0.0", "0.0.0.0", "0.0.0.0", "Password Empty"},
        {0, "10.1.2.3", "user", "secret", "0.0.0.0", "255.255.0.0", "172.16.0.1", "IP address invalid"},
        {0, "10.1.2.3", "user", "secret", "172.16.0.5", "255.0.255.0", "172.16.0.1", "Subnet mask invalid"},
        {0, "10.1.2.3", "user", "secret", "172.16.0.5", "255.255.0.0", "0.0.0.0", "Default gateway invalid"},
        {0, "10.1.2.3", "user", "secret", "192.168.0.9", "255.255.255.0", "192.168.0.1",
         "The WAN IP and LAN IP cannot be the same segament"},
    };
    for (const auto& c : cases) {
        host.data.pptpInfo = PptpInfo{"old", "", "", 7, "", "", ""};
        Modes()->setCurrentIndex(c.mode);
        TypeAddress(Entry(CPPTPSettingDlg::kServerEntry), c.server);
        TypeAccount(c.account, c.password);
        TypeWan(c.ip, c.mask, c.gateway);
        EXPECT_FALSE(page.CollectSettings()) << c.message.toStdString();
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, "Warning");
        EXPECT_EQ(shown[0].message, c.message);
        EXPECT_EQ(host.data.pptpInfo.serverAddress, "old");
        EXPECT_EQ(host.data.pptpInfo.addressMode, c.mode);
    }
}

} // namespace
