// The frame when things go wrong or the user turns back: a router that
// cannot be reached or refuses the login, Exit answered either way, the
// language page first, and keys that must not end the wizard.
#include "WizardRun.h"

#include "CDlgMessageBox.h"
#include "CLookInfo.h"
#include "CPPOESetDlg.h"
#include "CSkBtn_Pub.h"
#include "CSelectlanguage.h"
#include "CorvaneVersion.h"
#include "DialogBuilder.h"
#include "FrameControls.h"
#include "PageFlow.h"
#include "TranslateDialog.h"
#include "UserMessage.h"
#include "WizardExit.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr int kRetryButton = 1105;
constexpr int kCauseText = 1260;

// Presses Retry on every connect-failed window that opens while it lives.
class ConnectFailedAnswerer {
public:
    ConnectFailedAnswerer()
    {
        timer_.callOnTimeout([this] { AnswerOpenWindows(); });
        timer_.start(5);
    }

    int Shown() const { return shown_; }
    QString LastCause() const { return lastCause_; }

private:
    void AnswerOpenWindows()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* failed = qobject_cast<CLookInfo*>(window);
            if (!failed || !failed->isVisible())
                continue;
            ++shown_;
            lastCause_ = ControlCaption(FindControl(failed, kCauseText));
            QTest::mouseClick(FindControl(failed, kRetryButton), Qt::LeftButton);
        }
    }

    QTimer timer_;
    int shown_ = 0;
    QString lastCause_;
};

struct LinkFailure {
    const char* name;
    std::function<void(EmulatorConfig&)> configure;
    FaultMode fault;
    const char* causeKey;
};

void PrintTo(const LinkFailure& failure, std::ostream* out)
{
    *out << failure.name;
}

} // namespace

class LinkCheckFailure : public WizardRun, public ::testing::WithParamInterface<LinkFailure> {};

TEST_P(LinkCheckFailure, ShowsTheConnectFailedWindowAndKeepsTheLastInstructionPage)
{
    EmulatorConfig config;
    if (GetParam().configure)
        GetParam().configure(config);
    StartWizard({}, config);
    emulator_->SetFaultMode(GetParam().fault);
    for (int page = PageWelcome; page < PageLastInstruction; ++page)
        ClickNext();

    ConnectFailedAnswerer answerer;
    ClickNext();

    EXPECT_EQ(answerer.Shown(), 1);
    EXPECT_EQ(answerer.LastCause(), QString::fromLatin1(GetParam().causeKey));
    EXPECT_EQ(frame_->PageIndex(), PageLastInstruction);
    EXPECT_TRUE(Page(PageLastInstruction)->isVisible());
    EXPECT_TRUE(IsFrameButtonVisible(FrameControl::Next));
    EXPECT_TRUE(TakeMessages().empty()) << "no Connect OK after a failed check";
}

INSTANTIATE_TEST_SUITE_P(
    AppLinkCheck, LinkCheckFailure,
    ::testing::Values(LinkFailure{"Unreachable", nullptr, FaultMode::Refuse, "Cause Router Silent"},
                      LinkFailure{"LoginRejected", [](EmulatorConfig& config) { config.password = "other"; },
                                  FaultMode::None, "Cause Login Refused"},
                      LinkFailure{"MulticastMac",
                                  [](EmulatorConfig& config) { config.defaultMac = "01:00:5E:00:00:01"; },
                                  FaultMode::None, "Cause Bad Mac"}),
    [](const ::testing::TestParamInfo<LinkFailure>& info) { return std::string(info.param.name); });

class AppFrame : public WizardRun {};

TEST_F(AppFrame, ExitAnsweredNoKeepsEveryEntryAndYesEndsWithZero)
{
    StartWizard();
    GoToConnectionTypePage();
    ClickOnPage(PageConnectionType, 1149);
    ASSERT_EQ(frame_->PageIndex(), PagePppoe);
    TypeInto(PagePppoe, CPPOESetDlg::kAccountEdit, QStringLiteral("kept-user"));
    const std::string addressBefore = data_.routerInfo.address;

    CDlgMessageBox::SetNextAnswer(AnswerNo);
    ClickFrame(FrameControl::Exit);
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_EQ(frame_->PageIndex(), PagePppoe);
    EXPECT_EQ(TextOf(PagePppoe, CPPOESetDlg::kAccountEdit), QStringLiteral("kept-user"));
    EXPECT_EQ(data_.routerInfo.wanType, 3);
    EXPECT_EQ(data_.routerInfo.address, addressBefore);
    EXPECT_EQ(TakeMessages(), std::vector<QString>{QStringLiteral("Exit|Leave Massage")});

    CDlgMessageBox::SetNextAnswer(AnswerYes);
    ClickFrame(FrameControl::Exit);
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_EQ(frame_->ExitCode(), ConfirmedExitCode);
    EXPECT_EQ(frame_->Pages().Count(), 0);
}

TEST_F(AppFrame, EnterAndEscapeNeitherEndNorMoveTheWizard)
{
    StartWizard();
    GoToConnectionTypePage();
    ClickOnPage(PageConnectionType, 1149);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(frame_.get(), key);
        QTest::keyClick(PageControl(PagePppoe, CPPOESetDlg::kAccountEdit), key);
    }
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_EQ(frame_->PageIndex(), PagePppoe);
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(AppFrame, MultiLanguageShowsTheLanguagePageFirstThenTheWelcomePage)
{
    StartWizard({{QStringLiteral("Multi Language"), QStringLiteral("1")}}, {},
                {{QStringLiteral("Start"), QStringLiteral("Begin")}});

    EXPECT_EQ(frame_->PageIndex(), PageLanguage);
    ASSERT_NE(frame_->LanguagePage(), nullptr);
    EXPECT_TRUE(frame_->LanguagePage()->isVisible());
    EXPECT_EQ(frame_->Pages().Count(), 0);
    EXPECT_TRUE(IsFrameButtonVisible(FrameControl::Exit));
    for (const int hidden : {FrameControl::Back, FrameControl::Next, FrameControl::Manual})
        EXPECT_FALSE(IsFrameButtonVisible(hidden)) << hidden;

    ClickOnPage(PageLanguage, CSelectlanguage::kFirstLanguageButton);
    EXPECT_EQ(data_.language.GetLanguageFile(), QStringLiteral("English.ini"));
    EXPECT_EQ(frame_->PageIndex(), PageWelcome);
    EXPECT_EQ(frame_->Pages().Count(), 13);
    EXPECT_TRUE(Page(PageWelcome)->isVisible());
    EXPECT_FALSE(frame_->LanguagePage()->isVisible());
    EXPECT_TRUE(IsFrameButtonVisible(FrameControl::Manual));
    EXPECT_FALSE(IsFrameButtonVisible(FrameControl::Back));
    EXPECT_EQ(ControlCaption(FrameControl(FrameControl::Next)), QStringLiteral("Begin"));
}

TEST_F(AppFrame, LanguageTextsHideTheWebLinkAndLabelsSetToNull)
{
    StartWizard({}, {},
                {{QStringLiteral("webURL"), QStringLiteral("[~NULL~]")},
                 {QStringLiteral("Model No."), QStringLiteral("[~NULL~]")},
                 {QStringLiteral("Product Name"), QStringLiteral("Router")},
                 {QStringLiteral("Version No."), QStringLiteral("v%s")}});

    EXPECT_FALSE(FrameControl(FrameControl::WebLink)->isVisible());
    EXPECT_FALSE(FrameControl(FrameControl::ModelLabel)->isVisible());
    EXPECT_TRUE(FrameControl(FrameControl::VersionLabel)->isVisible());
    EXPECT_EQ(ControlCaption(FrameControl(FrameControl::ProductLabel)), QStringLiteral("Router"));
    EXPECT_EQ(ControlCaption(FrameControl(FrameControl::VersionLabel)), QStringLiteral("v") + kCorvaneVersion);
}

// The first frame waits for no page the user has not reached.
TEST_F(AppFrame, APageIsBuiltWhenTheWizardFirstReachesIt)
{
    StartWizard();
    const auto builtPages = [this] {
        std::vector<int> built;
        for (int page = 0; page < frame_->Pages().Count(); ++page) {
            if (frame_->Pages().BuiltPage(page))
                built.push_back(page);
        }
        return built;
    };
    EXPECT_EQ(builtPages(), std::vector<int>{PageWelcome});
    ClickFrame(FrameControl::Next);
    ClickFrame(FrameControl::Next);
    ClickFrame(FrameControl::Back);
    EXPECT_EQ(builtPages(), (std::vector<int>{PageWelcome, 1, 2}));
    EXPECT_TRUE(Page(1)->isVisible());
    EXPECT_FALSE(Page(2)->isVisible());
}

TEST_F(AppFrame, WebLinkKeepsTheFontColourAfterAClick)
{
    StartWizard({}, {}, {{QStringLiteral("webURL"), QStringLiteral("http://router.example/")}});
    auto* link = qobject_cast<CSkBtn_Pub*>(FrameControl(FrameControl::WebLink));
    ASSERT_NE(link, nullptr);
    const ColorRef fontColor = link->StateAttr(0).textColor;
    ClickFrame(FrameControl::WebLink);
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(link->StateAttr(0).textColor, fontColor);
    EXPECT_NE(link->StateAttr(0).textColor, MakeColorRef(128, 0, 0));
}

struct ManualCase {
    const char* name;
    const char* existingFile; // empty: no manual in the folder
    bool opened;
};

void PrintTo(const ManualCase& manual, std::ostream* out)
{
    *out << manual.name;
}

class ManualButton : public WizardRun, public ::testing::WithParamInterface<ManualCase> {};

TEST_P(ManualButton, OpensThePerLanguageManualOnlyWhenItExists)
{
    StartWizard({{QStringLiteral("Manual Path"), QStringLiteral("Guide")}});
    if (*GetParam().existingFile)
        folder_->WriteFile(QString::fromLatin1(GetParam().existingFile), "%PDF");
    ClickFrame(FrameControl::Manual);
    ASSERT_EQ(opened_.size(), GetParam().opened ? 1u : 0u);
    if (GetParam().opened) {
        EXPECT_EQ(opened_[0].toLocalFile(), folder_->Path() + QString::fromLatin1(GetParam().existingFile));
    }
}

INSTANTIATE_TEST_SUITE_P(AppManual, ManualButton,
                         ::testing::Values(ManualCase{"Present", "Guide_English.pdf", true},
                                           ManualCase{"Missing", "", false},
                                           ManualCase{"OtherLanguageOnly", "Guide_Deutsch.pdf", false}),
                         [](const ::testing::TestParamInfo<ManualCase>& info) { return std::string(info.param.name); });
