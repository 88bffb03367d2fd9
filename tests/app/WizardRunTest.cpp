// Complete runs from the welcome page to Finish, one per connection type:
// what the router received and what the result page shows.
#include "WizardRun.h"

#include "CDlgMessageBox.h"
#include "CPPOESetDlg.h"
#include "CPPTPSettingDlg.h"
#include "CResultDlg.h"
#include "CSecuritySettingDlg.h"
#include "CStaticIpDlg.h"
#include "CWirelessSettingDlg.h"
#include "FrameControls.h"
#include "PageFlow.h"
#include "SecurityView.h"
#include "UserMessage.h"
#include "WizardExit.h"

#include <QTest>

#include <algorithm>

class FullRun;

namespace {

// Connection-type page choices.
constexpr int kDynamicChoice = 1147;
constexpr int kStaticChoice = 1151;
constexpr int kPppoeChoice = 1149;
constexpr int kPptpChoice = 1148;
constexpr int kL2tpChoice = 1146;

// Result page value fields.
constexpr int kResultWanIp = 1197;
constexpr int kResultSsid = 1201;
constexpr int kResultSecurityMode = 1204;
constexpr int kResultKey = 1205;

const QString kSsid = QStringLiteral("corvane-test");
const QString kPassphrase = QStringLiteral("secretpass1");

struct ConnectionRun {
    const char* name;
    int choice;
    int dataPage;        // the page after the choice; the MAC clone page for Dynamic IP
    int routerWanType;   // the router's own numbering
    const char* field;   // a WAN form field the router must have received
    const char* value;
    const char* wanIp;   // what the result page shows; empty: not checked
    const char* title;   // the PPTP/L2TP page's title; empty: not that page
    void (FullRun::*fill)();
};

void PrintTo(const ConnectionRun& run, std::ostream* out)
{
    *out << run.name;
}

} // namespace

class FullRun : public WizardRun, public ::testing::WithParamInterface<ConnectionRun> {
public:
    void FillStaticIp()
    {
        TypeAddress(PageStaticIp, CStaticIpDlg::kIpAddressEntry, QStringLiteral("100.64.20.5"));
        TypeAddress(PageStaticIp, CStaticIpDlg::kSubnetMaskEntry, QStringLiteral("255.255.255.0"));
        TypeAddress(PageStaticIp, CStaticIpDlg::kGatewayEntry, QStringLiteral("100.64.20.1"));
        TypeAddress(PageStaticIp, CStaticIpDlg::kPrimaryDnsEntry, QStringLiteral("100.64.20.2"));
    }

    // The account is checked against the provider before going on.
    void FillPppoe()
    {
        TypeInto(PagePppoe, CPPOESetDlg::kAccountEdit, QStringLiteral("isp-user"));
        TypeInto(PagePppoe, CPPOESetDlg::kPasswordEdit, QStringLiteral("isp-pass"));
        CDlgMessageBox::SetNextAnswer(AnswerOk);
        ClickOnPage(PagePppoe, CPPOESetDlg::kCheckAccountsButton);
        const std::vector<QString> messages = TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].endsWith(QStringLiteral("Check accounts correct"))) << messages[0].toStdString();
    }

    void FillTunnel()
    {
        TypeAddress(PagePptp, CPPTPSettingDlg::kServerEntry, QStringLiteral("100.64.30.1"));
        TypeInto(PagePptp, CPPTPSettingDlg::kAccountEdit, QStringLiteral("tunnel-user"));
        TypeInto(PagePptp, CPPTPSettingDlg::kPasswordEdit, QStringLiteral("tunnel-pass"));
    }

    // From the MAC clone page Back returns to where the type was entered;
    // the run then comes back the same way.
    void CheckBackFromMacClone(const ConnectionRun& run)
    {
        ClickBack();
        if (run.dataPage == PageMacClone) {
            EXPECT_EQ(frame_->PageIndex(), PageConnectionType);
            ClickOnPage(PageConnectionType, run.choice);
        } else {
            EXPECT_EQ(frame_->PageIndex(), run.dataPage);
            ClickNext();
        }
        ASSERT_EQ(frame_->PageIndex(), PageMacClone);
    }
};

TEST_P(FullRun, ConfiguresTheRouterAndShowsTheResult)
{
    const ConnectionRun& run = GetParam();
    StartWizard({{QStringLiteral("Show All Connection Types"), QStringLiteral("1")}});
    GoToConnectionTypePage();
    ClickOnPage(PageConnectionType, run.choice);
    ASSERT_EQ(frame_->PageIndex(), run.dataPage);
    if (*run.title) {
        EXPECT_EQ(TextOf(PagePptp, CPPTPSettingDlg::kTitle), QString::fromLatin1(run.title));
    }
    if (run.fill) {
        (this->*run.fill)();
        ClickNext();
    }
    ASSERT_EQ(frame_->PageIndex(), PageMacClone);
    CheckBackFromMacClone(run);

    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageWireless);
    TypeInto(PageWireless, CWirelessSettingDlg::kSsidEdit, kSsid);
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageSecurity);
    // The mode list runs Disable, WEP, WPA, WPA2.
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(PageControl(PageSecurity, CSecuritySettingDlg::kModeList), Qt::Key_Down);
    TypeInto(PageSecurity, PassphraseField, kPassphrase);
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageResult);

    const RouterSnapshot router = emulator_->State();
    EXPECT_EQ(router.wanType, run.routerWanType);
    EXPECT_EQ(router.wanFields.Get(run.field), run.value);
    EXPECT_EQ(router.wireless.Get("ssid"), kSsid.toStdString());
    EXPECT_EQ(router.security.Get("security_mode"), "WPA2PSK");
    EXPECT_EQ(router.security.Get("passphrase"), kPassphrase.toStdString());
    EXPECT_GE(router.rebootCount, 1);
    // The router's own pauses (apply WAN, apply wireless, reboot) were all asked for.
    const std::vector<int> waits = sleeper_.Waits();
    for (const int wait : {40000, 20000, 30000})
        EXPECT_NE(std::find(waits.begin(), waits.end(), wait), waits.end()) << wait;

    EXPECT_EQ(TextOf(PageResult, kResultSsid), kSsid);
    EXPECT_EQ(TextOf(PageResult, kResultKey), kPassphrase);
    EXPECT_FALSE(TextOf(PageResult, kResultSecurityMode).isEmpty());
    if (*run.wanIp) {
        EXPECT_EQ(TextOf(PageResult, kResultWanIp), QString::fromLatin1(run.wanIp));
    }

    EXPECT_TRUE(IsFrameButtonVisible(FrameControl::Next));
    ClickNext();
    EXPECT_EQ(frame_->ExitCode(), FinishExitCode);
    EXPECT_EQ(frame_->result(), FinishExitCode);
    EXPECT_EQ(opened_.size(), 1u);
    EXPECT_EQ(frame_->Pages().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    AppConnectionTypes, FullRun,
    ::testing::Values(
        ConnectionRun{"DynamicIp", kDynamicChoice, PageMacClone, WanDynamicIp, "WANT", "2", "100.64.10.23", "", nullptr},
        ConnectionRun{"StaticIp", kStaticChoice, PageStaticIp, WanStaticIp, "WANIP", "100.64.20.5", "100.64.20.5", "",
                      &FullRun::FillStaticIp},
        ConnectionRun{"Pppoe", kPppoeChoice, PagePppoe, WanPppoe, "PUN", "isp-user", "100.64.10.23", "",
                      &FullRun::FillPppoe},
        ConnectionRun{"Pptp", kPptpChoice, PagePptp, WanPptp, "pptpIP", "100.64.30.1", "", "PPTP",
                      &FullRun::FillTunnel},
        ConnectionRun{"L2tp", kL2tpChoice, PagePptp, WanL2tp, "l2tpIP", "100.64.30.1", "", "L2TP",
                      &FullRun::FillTunnel}),
    [](const ::testing::TestParamInfo<ConnectionRun>& info) { return std::string(info.param.name); });

namespace {

using FinishDuringStatusRead = WizardRun;

TEST_F(FinishDuringStatusRead, EndsTheProcessAtOnceInsteadOfWaitingForTheRouter)
{
    StartWizard();
    GoToConnectionTypePage();
    ClickOnPage(PageConnectionType, kDynamicChoice);
    ClickNext();
    TypeInto(PageWireless, CWirelessSettingDlg::kSsidEdit, kSsid);
    ClickNext();
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageResult);

    emulator_->SetFaultMode(FaultMode::Silent);
    const std::size_t readsBefore = RequestsFor("/system_status.asp").size();
    ClickOnPage(PageResult, CResultDlg::kRefreshButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return RequestsFor("/system_status.asp").size() > readsBefore; }, 5000));
    const auto finishedAt = std::chrono::steady_clock::now();
    ClickNext();
    ASSERT_EQ(endedWith_, std::vector<int>{FinishExitCode});
    EXPECT_LT(endedAt_ - finishedAt, std::chrono::milliseconds(1000));
}

} // namespace
