// The PPPoE and MAC clone pages: typed text to records, warnings, and the
// page buttons.
#include "CMacCloneDlg.h"
#include "CPPOESetDlg.h"

#include "CSkEdit.h"
#include "FakeWizardHost.h"
#include "PageTestSupport.h"
#include "ProgressTask.h"

#include <QAbstractButton>

namespace {

class PppoePageTest : public PageTest {
protected:
    void Type(int id, const QString& text) { TypeInto(FindControl(&page, id), text); }

    FakeWizardHost host;
    CPPOESetDlg page{nullptr, host};
};

TEST_F(PppoePageTest, TypedAccountIsStoredEscaped)
{
    Type(CPPOESetDlg::kAccountEdit, QStringLiteral("a&b"));
    Type(CPPOESetDlg::kPasswordEdit, QStringLiteral("p+w"));
    EXPECT_TRUE(page.CollectSettings());
    EXPECT_EQ(host.data.pppoeInfo.userName, "a%26b");
    EXPECT_EQ(host.data.pppoeInfo.password, "p%2bw");
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(PppoePageTest, MissingEntryWarnsOnceAndKeepsTheRecord)
{
    const struct {
        QString account;
        QString password;
        QString message;
    } cases[] = {
        {"", "secret", "Enter the account"},
        {"", "", "Enter the account"},
        {"user", "", "Password Empty"},
    };
    for (const auto& c : cases) {
        host.data.pppoeInfo = PppoeInfo{"old", "kept", ""};
        Type(CPPOESetDlg::kAccountEdit, c.account);
        Type(CPPOESetDlg::kPasswordEdit, c.password);
        EXPECT_FALSE(page.CollectSettings());
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].type, 1);
        EXPECT_EQ(shown[0].caption, "Warning");
        EXPECT_EQ(shown[0].message, c.message);
        EXPECT_EQ(host.data.pppoeInfo.userName, "old");
        EXPECT_EQ(host.data.pppoeInfo.password, "kept");
    }
}

TEST_F(PppoePageTest, CheckAccountsReportsTheTaskResult)
{
    const struct {
        std::optional<int> result;
        QString message;
    } cases[] = {{1, "Account accepted"}, {0, "Check accounts inaccuracy"}, {-1, "Check accounts inaccuracy"}};
    Type(CPPOESetDlg::kAccountEdit, QStringLiteral("user"));
    Type(CPPOESetDlg::kPasswordEdit, QStringLiteral("secret"));
    for (const auto& c : cases) {
        host.tasksRun.clear();
        host.taskResults.push_back(c.result);
        FindControlAs<QAbstractButton>(&page, CPPOESetDlg::kCheckAccountsButton)->click();
        EXPECT_EQ(host.tasksRun, std::vector<int>{TaskAccountCheck});
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].type, 1);
        EXPECT_EQ(shown[0].caption, "");
        EXPECT_EQ(shown[0].message, c.message);
    }
}

TEST_F(PppoePageTest, CheckAccountsWithoutPasswordStartsNoTask)
{
    Type(CPPOESetDlg::kAccountEdit, QStringLiteral("user"));
    page.CheckAccounts();
    EXPECT_TRUE(host.tasksRun.empty());
    const auto shown = TakeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].message, "Password Empty");
}

class MacClonePageTest : public PageTest {
protected:
    MacClonePageTest()
    {
        host.data.macInfo = MacInfo{"00:11:22:33:44:55", "00:aa:bb:cc:dd:ee", "00:1a:2b:3c:4d:5e", "00:aa:bb:cc:dd:ee", ""};
    }
    QString EditText() const { return FindControlAs<CSkEdit>(page.get(), CMacCloneDlg::kMacEdit)->text(); }
    void Click(int id) { FindControlAs<QAbstractButton>(page.get(), id)->click(); }

    FakeWizardHost host;
    std::unique_ptr<CMacCloneDlg> page = std::make_unique<CMacCloneDlg>(nullptr, host);
};

TEST_F(MacClonePageTest, EditShowsTheStoredWanMacOnEveryShowAndHide)
{
    page->show();
    EXPECT_EQ(EditText(), "00:aa:bb:cc:dd:ee");
    TypeInto(FindControl(page.get(), CMacCloneDlg::kMacEdit), QStringLiteral("00:01:02:03:04:05"));
    page->hide();
    EXPECT_EQ(EditText(), "00:aa:bb:cc:dd:ee");
    host.data.macInfo.wanMac = "00:0b:0c:0d:0e:0f";
    page->show();
    EXPECT_EQ(EditText(), "00:0b:0c:0d:0e:0f");
}

TEST_F(MacClonePageTest, CloneAndRestoreTakeTheRouterAddressesAtOnce)
{
    page->show();
    Click(CMacCloneDlg::kCloneButton);
    EXPECT_EQ(EditText(), "00:1a:2b:3c:4d:5e");
    EXPECT_EQ(host.data.macInfo.wanMac, "00:1a:2b:3c:4d:5e");
    page->hide();
    page->show();
    EXPECT_EQ(EditText(), "00:1a:2b:3c:4d:5e");
    Click(CMacCloneDlg::kRestoreButton);
    EXPECT_EQ(EditText(), "00:11:22:33:44:55");
    EXPECT_EQ(host.data.macInfo.wanMac, "00:11:22:33:44:55");
}

TEST_F(MacClonePageTest, TypedAddressIsAcceptedAsTyped)
{
    TypeInto(FindControl(page.get(), CMacCloneDlg::kMacEdit), QStringLiteral("00:1A:2b:3C:4d:5E"));
    EXPECT_TRUE(page->CollectSettings());
    EXPECT_EQ(host.data.macInfo.wanMac, "00:1A:2b:3C:4d:5E");
    EXPECT_EQ(host.data.chosenWanMac, "00:1A:2b:3C:4d:5E");
}

TEST_F(MacClonePageTest, InvalidAddressWarnsOnceAndChangesNothing)
{
    for (const QString text : {"01:1A:2B:3C:4D:5E", "00:1A:2B:3C:4D", "", "00-1A-2B-3C-4D-5E"}) {
        host.data.chosenWanMac = "kept";
        TypeInto(FindControl(page.get(), CMacCloneDlg::kMacEdit), text);
        EXPECT_FALSE(page->CollectSettings()) << text.toStdString();
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, "Warning");
        EXPECT_EQ(shown[0].message, "Mac address invalid");
        EXPECT_EQ(host.data.macInfo.wanMac, "00:aa:bb:cc:dd:ee");
        EXPECT_EQ(host.data.chosenWanMac, "kept");
    }
}

} // namespace
