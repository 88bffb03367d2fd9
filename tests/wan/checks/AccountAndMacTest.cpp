#include "MacCloneCheck.h"
#include "PppoeCheck.h"
#include "QtTestSupport.h"

namespace {

std::string KeyOf(const std::optional<UserMessage>& warning)
{
    return warning ? warning->messageKey.toStdString() : std::string();
}

TEST(PppoeCheck, ChecksTheTypedTextAndStoresItEscaped)
{
    const struct {
        QString account;
        QString password;
        const char* expectedKey;
        const char* storedAccount;
        const char* storedPassword;
    } cases[] = {
        {QStringLiteral("a&b"), QStringLiteral("p+w"), "", "a%26b", "p%2bw"},
        {QStringLiteral("   "), QStringLiteral("pw"), "", "   ", "pw"},
        // Escaping drops a value holding a non-ASCII letter after it passed the check.
        {QStringLiteral("Jos\u00e9"), QStringLiteral("pw"), "", "", "pw"},
        {QString(), QStringLiteral("pw"), "Account Empty", "old", "old"},
        {QString(), QString(), "Account Empty", "old", "old"},
        {QStringLiteral("user"), QString(), "Password Empty", "old", "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.account.toStdString() + " / " + c.password.toStdString());
        PppoeInfo record{"old", "old", "mac"};
        const auto warning = CollectPppoeSettings({c.account, c.password}, record);
        EXPECT_EQ(KeyOf(warning), c.expectedKey);
        if (warning) {
            EXPECT_EQ(warning->captionKey, QStringLiteral("Waring"));
        }
        EXPECT_EQ(record.userName, c.storedAccount);
        EXPECT_EQ(record.password, c.storedPassword);
        EXPECT_EQ(record.macAddress, "mac");
    }
}

TEST(PppoeCheck, AccountCheckResultIsAWarningWithAnEmptyCaption)
{
    const struct {
        int result;
        const char* key;
    } cases[] = {
        {1, "Check accounts correct"},
        {0, "Check accounts inaccuracy"},
        {-1, "Check accounts inaccuracy"},
        {2, "Check accounts inaccuracy"},
    };
    for (const auto& c : cases) {
        const UserMessage message = AccountCheckMessage(c.result);
        EXPECT_EQ(message, (UserMessage{MessageWarning, QString(), QString::fromLatin1(c.key)})) << c.result;
    }
}

using AccountCheckBox = ProgramFolderTest;

TEST_F(AccountCheckBox, EmptyCaptionIsNotLookedUp)
{
    WriteLanguage(QStringLiteral("English.ini"), QStringLiteral("Check accounts correct=All good\n"));
    CLanguageTable language;
    EXPECT_EQ(TranslateMessage(AccountCheckMessage(1), language),
              (MessageBoxText{MessageWarning, QString(), QStringLiteral("All good")}));
}

MacInfo RouterMacs()
{
    return {"00:11:22:33:44:00", "00:11:22:33:44:01", "00:11:22:33:44:02", "00:11:22:33:44:01", "host"};
}

TEST(MacCloneCheck, AcceptsValidTextAsTypedAndKeepsEverythingOnRejection)
{
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {
        {"00:1a:2b:3c:4d:5e", true},
        {"00:1A:2B:3C:4D:5E", true},
        {"01:1A:2B:3C:4D:5E", false},
        {"00:1A:2B:3C:4D", false},
        {"00-1A-2B-3C-4D-5E", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        MacInfo record = RouterMacs();
        std::string chosen = "previous";
        const auto warning = CollectMacCloneSettings(QString::fromLatin1(c.text), record, chosen);
        EXPECT_EQ(!warning, c.accepted);
        if (c.accepted) {
            EXPECT_EQ(record.wanMac, c.text);
            EXPECT_EQ(chosen, c.text);
        } else {
            EXPECT_EQ(KeyOf(warning), "Mac address invalid");
            EXPECT_EQ(record.wanMac, RouterMacs().wanMac);
            EXPECT_EQ(chosen, "previous");
        }
        EXPECT_EQ(record.cloneMac, RouterMacs().cloneMac);
    }
}

TEST(MacCloneCheck, CloneAndRestoreSetTheWanMacAtOnce)
{
    MacInfo record = RouterMacs();
    EXPECT_EQ(MacEditText(record), QStringLiteral("00:11:22:33:44:01"));
    EXPECT_EQ(CloneMac(record), QStringLiteral("00:11:22:33:44:02"));
    EXPECT_EQ(record.wanMac, "00:11:22:33:44:02");
    EXPECT_EQ(RestoreMac(record), QStringLiteral("00:11:22:33:44:00"));
    EXPECT_EQ(record.wanMac, "00:11:22:33:44:00");
    EXPECT_EQ(record.defaultMac, "00:11:22:33:44:01");
}

} // namespace
