// The result page: what its fields show, and its refreshes as a person
// would start them.
#include "CResultDlg.h"

#include "CBusySign.h"
#include "CSkEdit.h"
#include "ResultDisplay.h"
#include "ResultPageFixture.h"

#include <QAbstractButton>
#include <QTest>

#include <climits>

namespace {

class ResultPageTest : public ResultPageFixture {
protected:
    static QString Shown(const CResultDlg& page, int field)
    {
        return FindControlAs<CSkEdit>(&page, field)->text();
    }
    static QAbstractButton* RefreshButton(const CResultDlg& page)
    {
        return FindControlAs<QAbstractButton>(&page, CResultDlg::kRefreshButton);
    }
};

TEST_F(ResultPageTest, FieldsShowTheStatusByTheDisplayMapping)
{
    auto page = MakePage(false);
    WanStatusInfo& s = host.data.wanStatusInfo;
    s = WanStatusInfo{"802.1x", "10.0.0.2", "255.0.0.0", "10.0.0.1", "00:aa:bb:cc:dd:ee", "Home", 0, 1, true, 0, "oldkey"};
    page->FillFields();
    const struct {
        int field;
        QString text;
    } shown[] = {
        {ResultLinkMode, "802.1x"},   {ResultWanIp, "10.0.0.2"},           {ResultGateway, "10.0.0.1"},
        {ResultSsid, "Home"},         {ResultChannel, "automatic"},        {ResultWirelessMode, "11 b/g/n mode"},
        {ResultBroadcast, "Enable"},  {ResultSecurityMode, "Disable"},     {ResultKey, "oldkey"},
    };
    for (const auto& c : shown)
        EXPECT_EQ(Shown(*page, c.field), c.text) << c.field;

    s.channel = 11;
    s.mode = 7;
    s.securityMode = 9;
    s.connectionType = "Static IP";
    page->FillFields();
    EXPECT_EQ(Shown(*page, ResultChannel), "11");
    EXPECT_EQ(Shown(*page, ResultWirelessMode), "11 b/g/n mode");
    EXPECT_EQ(Shown(*page, ResultSecurityMode), "Disable");
    EXPECT_EQ(Shown(*page, ResultLinkMode), "Fixed address");
}

TEST_F(ResultPageTest, ShowingThePageFillsItAndReadsTheRouterInTheBackground)
{
    auto page = MakePage(true);
    host.data.wanStatusInfo.ssid = "Home";
    router.Answer(1, WanStatus("PPPoE", "10.0.0.2", "255.0.0.0", "10.0.0.1", "00:aa:bb:cc:dd:ee"));
    sleeper->Allow(INT_MAX / 2);
    page->show();
    EXPECT_EQ(Shown(*page, ResultSsid), "Home");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(*page, ResultWanIp) == "10.0.0.2"; }, 10000));
    EXPECT_EQ(host.data.wanStatusInfo.gateway, "10.0.0.1");
    EXPECT_EQ(host.data.wanStatusInfo.ssid, "Home");
    EXPECT_EQ(Shown(*page, ResultLinkMode), "PPPoE dial-up");
}

TEST_F(ResultPageTest, RefreshButtonIsDisabledWhileARefreshRunsAndNoSecondThreadStarts)
{
    auto page = MakePage(true);
    router.Answer(1, WanStatus("PPPoE", "10.0.0.2", "255.0.0.0", "10.0.0.1", "00:aa:bb:cc:dd:ee"));
    page->show();
    ASSERT_TRUE(sleeper->WaitUntilWaiting());
    RefreshButton(*page)->click();
    EXPECT_FALSE(RefreshButton(*page)->isEnabled());
    // Greyed out, but with a sign that work goes on.
    const auto* busy = page->findChild<CBusySign*>();
    ASSERT_NE(busy, nullptr);
    EXPECT_TRUE(busy->isVisible());
    page->hide();
    page->show();
    page->Refresh();

    sleeper->Allow(INT_MAX / 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return RefreshButton(*page)->isEnabled(); }, 10000));
    EXPECT_FALSE(busy->IsBusy());
    EXPECT_FALSE(busy->isVisible());
    EXPECT_EQ(Shown(*page, ResultWanIp), "10.0.0.2");
    page.reset();
    EXPECT_EQ(router.Reads(), 1);
    EXPECT_EQ(router.ThreadCount(), 1u);
}

} // namespace
