// The wireless basic and security pages: defaults, typed values to records,
// warnings, and which security fields each mode shows.
#include "CSecuritySettingDlg.h"
#include "CWirelessSettingDlg.h"

#include "CSkBtn_ChkRadio.h"
#include "CSkEdit.h"
#include "CSkStatic.h"
#include "FakeWizardHost.h"
#include "PageTestSupport.h"
#include "SecurityView.h"

#include <QComboBox>

namespace {

class WirelessPageTest : public PageTest {
protected:
    QComboBox* List(int id) { return FindControlAs<QComboBox>(&page, id); }

    FakeWizardHost host;
    CWirelessSettingDlg page{nullptr, host};
};

TEST_F(WirelessPageTest, UntouchedPageStoresTheDefaults)
{
    EXPECT_EQ(List(CWirelessSettingDlg::kChannelList)->count(), 13);
    EXPECT_EQ(List(CWirelessSettingDlg::kModeList)->itemText(1), "802.11b/g/n Mixed");
    ASSERT_TRUE(page.CollectSettings());
    const WirelessInfo& r = host.data.wirelessInfo;
    EXPECT_EQ(r.ssid, "SSID Value");
    EXPECT_EQ(r.channel, 6);
    EXPECT_EQ(r.mode, 1);
    EXPECT_TRUE(r.broadcastSsid);
    EXPECT_EQ(host.data.wanStatusInfo.ssid, "SSID Value");
    EXPECT_EQ(host.data.wanStatusInfo.channel, 6);
}

TEST_F(WirelessPageTest, TypedAndChosenValuesAreStored)
{
    TypeInto(FindControl(&page, CWirelessSettingDlg::kSsidEdit), QStringLiteral("My AP_2-g"));
    List(CWirelessSettingDlg::kChannelList)->setCurrentIndex(12);
    List(CWirelessSettingDlg::kModeList)->setCurrentIndex(0);
    FindControlAs<CSkBtn_ChkRadio>(&page, CWirelessSettingDlg::kBroadcastBox)->click();
    ASSERT_TRUE(page.CollectSettings());
    const WirelessInfo& r = host.data.wirelessInfo;
    EXPECT_EQ(r.ssid, "My AP_2-g");
    EXPECT_EQ(r.channel, 13);
    EXPECT_EQ(r.mode, 0);
    EXPECT_FALSE(r.broadcastSsid);
    EXPECT_FALSE(host.data.wanStatusInfo.broadcastSsid);
}

TEST_F(WirelessPageTest, InvalidSsidWarnsOnceAndKeepsBothRecords)
{
    for (const QString& ssid : QStringList{"", "my.ap", "me@home", QStringLiteral("caf\u00e9")}) {
        host.data.wirelessInfo.ssid = "old";
        host.data.wanStatusInfo.ssid = "old";
        TypeInto(FindControl(&page, CWirelessSettingDlg::kSsidEdit), ssid);
        ASSERT_EQ(FindControlAs<CSkEdit>(&page, CWirelessSettingDlg::kSsidEdit)->text(), ssid);
        EXPECT_FALSE(page.CollectSettings()) << ssid.toStdString();
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, "Warning");
        EXPECT_EQ(shown[0].message, "SSID invaid");
        EXPECT_EQ(host.data.wirelessInfo.ssid, "old");
        EXPECT_EQ(host.data.wanStatusInfo.ssid, "old");
    }
}

class SecurityPageTest : public PageTest {
protected:
    QComboBox* List(int id) { return FindControlAs<QComboBox>(&page, id); }
    void Choose(int mode) { List(CSecuritySettingDlg::kModeList)->setCurrentIndex(mode); }
    void Type(int id, const QString& text) { TypeInto(FindControl(&page, id), text); }
    QString LabelText(int id) { return FindControlAs<CSkStatic>(&page, id)->text(); }

    FakeWizardHost host;
    CSecuritySettingDlg page{nullptr, host};
};

TEST_F(SecurityPageTest, EachModeShowsOnlyItsFields)
{
    for (int mode : {1, 2, 3, 0}) {
        Choose(mode);
        const std::vector<SecurityControl> visible = ViewForSecurityMode(mode).visible;
        for (SecurityControl id : ModeDependentControls()) {
            const bool shouldShow = std::find(visible.begin(), visible.end(), id) != visible.end();
            EXPECT_EQ(!FindControl(&page, id)->isHidden(), shouldShow) << "mode " << mode << " control " << id;
        }
        EXPECT_FALSE(FindControl(&page, CSecuritySettingDlg::kModeList)->isHidden());
    }
}

TEST_F(SecurityPageTest, WpaModesRenameTheLabelsAndResetTheCipher)
{
    Choose(2);
    EXPECT_EQ(LabelText(CipherLabel), "WPA Key Mode");
    EXPECT_EQ(LabelText(PassphraseLabel), "WPA Key");
    List(CipherList)->setCurrentIndex(1);
    Type(PassphraseField, QStringLiteral("passphrase1"));
    Choose(1);
    Choose(3);
    EXPECT_EQ(LabelText(CipherLabel), "WPA2 cipher");
    EXPECT_EQ(LabelText(PassphraseLabel), "WPA2 passphrase");
    EXPECT_EQ(List(CipherList)->currentIndex(), 0);
    EXPECT_EQ(FindControlAs<CSkEdit>(&page, PassphraseField)->text(), "passphrase1");
}

TEST_F(SecurityPageTest, ValidEntriesFillOnlyTheChosenModesFields)
{
    host.data.wanStatusInfo.securityKey = "earlier";
    ASSERT_TRUE(page.CollectSettings());
    EXPECT_EQ(host.data.securityInfo.securityMode, 0);
    EXPECT_EQ(host.data.wanStatusInfo.securityKey, "earlier");

    Choose(1);
    List(KeyFormatList)->setCurrentIndex(1);
    List(TransmitKeyList)->setCurrentIndex(2);
    Type(WepKeyField, QStringLiteral("0123456789"));
    ASSERT_TRUE(page.CollectSettings());
    EXPECT_EQ(host.data.securityInfo.wepKey, "0123456789");
    EXPECT_EQ(host.data.securityInfo.wepKeyIndex, 2);
    EXPECT_EQ(host.data.securityInfo.wepKeyLength, 10);

    Choose(3);
    Type(PassphraseField, QStringLiteral("abcdefgh"));
    Type(RenewalTimeField, QStringLiteral("60"));
    ASSERT_TRUE(page.CollectSettings());
    EXPECT_EQ(host.data.securityInfo.securityMode, 3);
    EXPECT_EQ(host.data.securityInfo.passphrase, "abcdefgh");
    EXPECT_EQ(host.data.securityInfo.keyRenewalInterval, 60);
    EXPECT_EQ(host.data.securityInfo.wepKey, "0123456789");
    EXPECT_EQ(host.data.wanStatusInfo.securityKey, "abcdefgh");
}

TEST_F(SecurityPageTest, InvalidKeyWarnsOnceWithTheRulesKey)
{
    const struct {
        int mode;
        int keyFormat;
        QString key;
        QString renewal;
        QString message;
    } cases[] = {
        {1, 0, "abcd", "3600", "WEP Key Invalid"},
        {1, 0, "ab-de", "3600", "WEP Key Invalid"},
        {1, 1, "012345678g", "3600", "WEP Key Invalid"},
        {2, 0, "abcdefg", "3600", "WPA Key Invalid"},
        {2, 0, "abcd efgh", "3600", "WPA Key Invalid"},
        {3, 0, "abcdefg", "59", "WPA Key Invalid"},
        {3, 0, "abcdefgh", "59", "Key Time Invalid"},
        {2, 0, "abcdefgh", "", "Key Time Invalid"},
    };
    for (const auto& c : cases) {
        host.data.securityInfo = SecurityInfo{};
        Choose(c.mode);
        List(KeyFormatList)->setCurrentIndex(c.keyFormat);
        Type(c.mode == 1 ? WepKeyField : PassphraseField, c.key);
        Type(RenewalTimeField, c.renewal);
        EXPECT_FALSE(page.CollectSettings()) << c.key.toStdString();
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, "Warning");
        EXPECT_EQ(shown[0].message, c.message);
        EXPECT_EQ(host.data.securityInfo.securityMode, 0);
    }
}

} // namespace
