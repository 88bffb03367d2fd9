#include "QtTestSupport.h"
#include "SecurityCheck.h"
#include "SecurityKeyRules.h"
#include "WirelessBasicCheck.h"

#include <algorithm>

namespace {

std::string KeyOf(const std::optional<UserMessage>& warning)
{
    return warning ? warning->messageKey.toStdString() : std::string();
}

TEST(WirelessBasicCheck, SsidRule)
{
    const struct {
        QString ssid;
        bool valid;
    } cases[] = {
        {QString(32, u'a'), true},
        {QString(33, u'a'), false},
        {QString(), false},
        {QStringLiteral("My AP_2-g"), true},
        {QStringLiteral("  spaced  out "), true},
        {QStringLiteral("my.ap"), false},
        {QStringLiteral("me@home"), false},
        {QStringLiteral("Caf\u00e9"), false},
        {QStringLiteral("tab\there"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidSsid(c.ssid), c.valid) << c.ssid.toStdString();
}

TEST(WirelessBasicCheck, AcceptedEntryFillsBothRecordsAndARejectedOneNeither)
{
    WirelessInfo record{"old", 3, 0, false};
    WanStatusInfo status;
    status.ssid = "old";
    status.wanIp = "1.2.3.4";
    EXPECT_EQ(KeyOf(CollectWirelessSettings({QStringLiteral("bad.ssid"), 0, 0, true}, record, status)), "SSID invaid");
    EXPECT_EQ(record.ssid, "old");
    EXPECT_EQ(status.ssid, "old");

    const struct {
        int channelIndex;
        int channel;
    } channels[] = {{0, 1}, {5, 6}, {12, 13}};
    for (const auto& c : channels) {
        ASSERT_FALSE(CollectWirelessSettings({QStringLiteral("Home"), c.channelIndex, 0, false}, record, status));
        EXPECT_EQ(record.channel, c.channel);
        EXPECT_EQ(status.channel, c.channel);
    }
    EXPECT_EQ(record.ssid, "Home");
    EXPECT_EQ(record.mode, 0);
    EXPECT_FALSE(record.broadcastSsid);
    EXPECT_EQ(status.ssid, "Home");
    EXPECT_EQ(status.mode, 0);
    EXPECT_FALSE(status.broadcastSsid);
    EXPECT_EQ(status.wanIp, "1.2.3.4");
}

using WirelessDefaults = ProgramFolderTest;

TEST_F(WirelessDefaults, UntouchedPageGivesTheTrimmedSsidTextChannelSixAndBgnMode)
{
    CLanguageTable language;
    EXPECT_EQ(DefaultWirelessEntry(language).ssid, QStringLiteral("SSID Value"));
    WriteLanguage(QStringLiteral("English.ini"), QStringLiteral("SSID Value=\"  Home Net  \"\n"));
    const WirelessEntry entry = DefaultWirelessEntry(language);
    EXPECT_EQ(entry.ssid, QStringLiteral("Home Net"));
    WirelessInfo record;
    WanStatusInfo status;
    ASSERT_FALSE(CollectWirelessSettings(entry, record, status));
    EXPECT_EQ(record.ssid, "Home Net");
    EXPECT_EQ(record.channel, 6);
    EXPECT_EQ(record.mode, 1);
    EXPECT_TRUE(record.broadcastSsid);
    EXPECT_EQ(ChannelTexts().size(), 13);
    EXPECT_EQ(ChannelTexts().front(), QStringLiteral("1"));
    EXPECT_EQ(ChannelTexts().back(), QStringLiteral("13"));
    EXPECT_EQ(WirelessModeKeys(), (QStringList{QStringLiteral("802.11b/g Mixed"), QStringLiteral("802.11b/g/n Mixed")}));
}

TEST(SecurityKeyRules, KeyRules)
{
    const struct {
        bool (*rule)(const QString&);
        QString text;
        bool valid;
    } cases[] = {
        {IsValidWepAsciiKey, QStringLiteral("abcde"), true},
        {IsValidWepAsciiKey, QStringLiteral("abcdefghijklm"), true},
        {IsValidWepAsciiKey, QStringLiteral("abcd"), false},
        {IsValidWepAsciiKey, QStringLiteral("abcdef"), false},
        {IsValidWepAsciiKey, QStringLiteral("ab-de"), false},
        {IsValidWepAsciiKey, QString(), false},
        {IsValidWepHexKey, QStringLiteral("0123456789"), true},
        {IsValidWepHexKey, QStringLiteral("ABCDEFabcdef0123456789ABCD"), true},
        {IsValidWepHexKey, QStringLiteral("012345678g"), false},
        {IsValidWepHexKey, QStringLiteral("01234567890"), false},
        {IsValidPassphrase, QString(8, u'a'), true},
        {IsValidPassphrase, QString(7, u'a'), false},
        {IsValidPassphrase, QString(63, u'Z'), true},
        {IsValidPassphrase, QString(64, u'Z'), false},
        {IsValidPassphrase, QStringLiteral("abcd efgh"), false},
        {IsValidPassphrase, QStringLiteral("abcd&efgh"), false},
        {IsValidKeyRenewalTime, QStringLiteral("60"), true},
        {IsValidKeyRenewalTime, QStringLiteral("9999"), true},
        {IsValidKeyRenewalTime, QStringLiteral("3600"), true},
        {IsValidKeyRenewalTime, QStringLiteral("59"), false},
        {IsValidKeyRenewalTime, QStringLiteral("0"), false},
        {IsValidKeyRenewalTime, QString(), false},
        {IsValidKeyRenewalTime, QStringLiteral("-600"), false},
        {IsValidKeyRenewalTime, QStringLiteral("10000"), false},
        {IsValidKeyRenewalTime, QStringLiteral(" 120s"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rule(c.text), c.valid) << c.text.toStdString();
}

TEST(SecurityKeyRules, ReadsLeadingDecimalsAsAtoiDoes)
{
    const struct {
        const char* text;
        long value;
    } cases[] = {{"3600", 3600}, {"  +75", 75}, {"-60", -60}, {"12ab", 12}, {"abc", 0}, {"", 0}, {"- 5", 0},
                 {"99999999999999999999", 1000000000L}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadLeadingDecimal(QString::fromLatin1(c.text)), c.value) << c.text;
}

SecurityInfo OldSecurity()
{
    return {9, 9, 9, 9, 9, "old key", 9, 9, "old pass", 9};
}

TEST(SecurityCheck, ChecksOnlyTheChosenModesFieldsAndReportsTheFirstFailure)
{
    const struct {
        const char* name;
        SecurityEntry entry;
        const char* expectedKey;
    } cases[] = {
        {"disabled ignores bad fields", {0, 0, 0, 0, QStringLiteral("x"), 0, QStringLiteral("x"), QStringLiteral("1")}, ""},
        {"wep ascii", {1, 1, 0, 2, QStringLiteral("abcde"), 0, QString(), QString()}, ""},
        {"wep ascii bad", {1, 0, 0, 0, QStringLiteral("abcd"), 0, QString(), QString()}, "WEP Key Invalid"},
        {"wep hex", {1, 0, 1, 0, QStringLiteral("0123456789"), 0, QString(), QString()}, ""},
        {"wep hex given ascii", {1, 0, 1, 0, QStringLiteral("abcdefghij"), 0, QString(), QString()}, "WEP Key Invalid"},
        {"wpa", {2, 0, 0, 0, QString(), 1, QStringLiteral("abcdefgh"), QStringLiteral("3600")}, ""},
        {"wpa bad time", {2, 0, 0, 0, QString(), 1, QStringLiteral("abcdefgh"), QStringLiteral("59")}, "Key Time Invalid"},
        {"wpa2 both bad", {3, 0, 0, 0, QString(), 0, QStringLiteral("short"), QStringLiteral("0")}, "WPA Key Invalid"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SecurityInfo record = OldSecurity();
        WanStatusInfo status;
        status.securityMode = 7;
        status.securityKey = "old";
        const auto warning = CollectSecuritySettings(c.entry, record, status);
        EXPECT_EQ(KeyOf(warning), c.expectedKey);
        if (warning) {
            EXPECT_EQ(record.securityMode, 9);
            EXPECT_EQ(record.wepKey, "old key");
            EXPECT_EQ(record.wpaCipher, 9);
            EXPECT_EQ(status.securityMode, 7);
            EXPECT_EQ(status.securityKey, "old");
        } else {
            EXPECT_EQ(record.securityMode, c.entry.mode);
            EXPECT_EQ(status.securityMode, c.entry.mode);
        }
    }
}

TEST(SecurityCheck, StoresOnlyTheChosenModesFields)
{
    SecurityInfo record = OldSecurity();
    WanStatusInfo status;
    status.securityKey = "old";

    ASSERT_FALSE(CollectSecuritySettings({}, record, status));
    EXPECT_EQ(record.securityMode, 0);
    EXPECT_EQ(record.wepKey, "old key");
    EXPECT_EQ(record.passphrase, "old pass");
    EXPECT_EQ(status.securityKey, "old"); // no security does not clear the shown key

    ASSERT_FALSE(CollectSecuritySettings({1, 1, 1, 3, QStringLiteral("ABCDEF0123"), 0, QString(), QString()}, record,
                                         status));
    EXPECT_EQ((std::array{record.wepAuthMode, record.wepKeyFormat, record.wepKeyIndex, record.wepKeyLength}),
              (std::array{1, 1, 3, 10}));
    EXPECT_EQ(record.wepKey, "ABCDEF0123");
    EXPECT_EQ(record.passphrase, "old pass");
    EXPECT_EQ(record.keyRenewalInterval, 9);
    EXPECT_EQ(status.securityKey, "ABCDEF0123");

    ASSERT_FALSE(CollectSecuritySettings({3, 0, 0, 0, QString(), 1, QStringLiteral("Passphrase1"), QStringLiteral(" 120")},
                                         record, status));
    EXPECT_EQ((std::array{record.securityMode, record.wpaCipher, record.passphraseLength, record.keyRenewalInterval}),
              (std::array{3, 1, 11, 120}));
    EXPECT_EQ(record.passphrase, "Passphrase1");
    EXPECT_EQ(record.wepKey, "ABCDEF0123");
    EXPECT_EQ(status.securityKey, "Passphrase1");
}

TEST(SecurityView, EachModeShowsItsOwnControlsAndWpaModesResetTheCipherList)
{
    const struct {
        int mode;
        std::size_t visibleCount;
        bool resets;
        const char* cipherLabel;
        const char* passphraseLabel;
    } cases[] = {
        {0, 1, false, "", ""},
        {1, 9, false, "", ""},
        {2, 8, true, "WPA Key Mode", "WPA Key"},
        {3, 8, true, "WPA2 Key Mode", "WPA2 Key"},
    };
    std::vector<SecurityControl> seen;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        const SecurityModeView view = ViewForSecurityMode(c.mode);
        EXPECT_EQ(view.visible.size(), c.visibleCount);
        EXPECT_EQ(view.resetsCipherList, c.resets);
        EXPECT_EQ(view.cipherLabelKey, QString::fromLatin1(c.cipherLabel));
        EXPECT_EQ(view.passphraseLabelKey, QString::fromLatin1(c.passphraseLabel));
        for (SecurityControl control : view.visible) {
            EXPECT_NE(std::find(ModeDependentControls().begin(), ModeDependentControls().end(), control),
                      ModeDependentControls().end());
            if (c.mode != 3)
                seen.push_back(control);
        }
    }
    // Modes 0, 1 and 2 between them show every mode-dependent control once.
    std::sort(seen.begin(), seen.end());
    std::vector<SecurityControl> all = ModeDependentControls();
    std::sort(all.begin(), all.end());
    EXPECT_EQ(seen, all);
    EXPECT_EQ(ViewForSecurityMode(SecurityWep).visible.front(), WepNote);
    EXPECT_EQ(ViewForSecurityMode(SecurityDisabled).visible, std::vector<SecurityControl>{SecurityNote});
    EXPECT_EQ(CipherKeys(), (QStringList{QStringLiteral("TKIP"), QStringLiteral("AES")}));
    EXPECT_EQ(SecurityModeKeys().size(), 4);
    EXPECT_EQ(TransmitKeyKeys().size(), 4);
}

} // namespace
