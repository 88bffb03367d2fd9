// The frame driven by keyboard: where each page puts the focus when it opens,
// and Tab running through the page's fields before the frame's buttons.
#include "WizardRun.h"

#include "CDlgMessageBox.h"
#include "CMacCloneDlg.h"
#include "CPPOESetDlg.h"
#include "CSecuritySettingDlg.h"
#include "CStaticIpDlg.h"
#include "CWirelessSettingDlg.h"
#include "ControlId.h"
#include "FrameControls.h"
#include "PageFlow.h"

#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

constexpr int kDynamicChoice = 1147;
constexpr int kStaticChoice = 1151;
constexpr int kPppoeChoice = 1149;

} // namespace

class FrameKeyboard : public WizardRun {
protected:
    void StartActive()
    {
        StartWizard();
        Reactivate();
    }

    // A progress dialog or message box in between leaves the frame inactive
    // until the desktop hands it back; what it will focus then is its own
    // focus widget.
    QWidget* Focused() const { return frame_->focusWidget(); }

    void Reactivate()
    {
        frame_->activateWindow();
        QTRY_VERIFY(frame_->isActiveWindow());
    }

    // The name of the focused control: "page:<id>" or "frame:<id>".
    QString FocusName() const
    {
        const QWidget* focused = Focused();
        if (!focused)
            return QStringLiteral("none");
        for (const int id : {FrameControl::WebLink, FrameControl::Back, FrameControl::Next, FrameControl::Exit,
                             FrameControl::Manual}) {
            if (FrameControl(id) == focused)
                return QStringLiteral("frame:%1").arg(id);
        }
        const QWidget* control = focused;
        while (control->parentWidget() && control->parentWidget() != Page(frame_->PageIndex()))
            control = control->parentWidget();
        return QStringLiteral("page:%1").arg(ControlIdOf(control));
    }

    // Where the focus starts and where each key press takes it.
    QStringList WalkFocus(Qt::Key key, int presses)
    {
        QStringList visited{FocusName()};
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(Focused(), key);
            visited << FocusName();
        }
        return visited;
    }
};

TEST_F(FrameKeyboard, EachPageOpensOnItsFirstFieldOrOnNext)
{
    StartActive();
    const QString next = QStringLiteral("frame:%1").arg(FrameControl::Next);
    EXPECT_EQ(FocusName(), next) << "welcome";
    for (int page = PageWelcome; page < PageLastInstruction; ++page) {
        ClickNext();
        EXPECT_EQ(FocusName(), next) << "instruction page " << page;
    }
    CDlgMessageBox::SetNextAnswer(AnswerOk);
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageConnectionType);
    TakeMessages();

    struct Step {
        int page;
        int expectedControl;
    };
    const Step steps[] = {
        {PageConnectionType, kDynamicChoice},
        {PageStaticIp, CStaticIpDlg::kIpAddressEntry},
        {PageConnectionType, kDynamicChoice},
        {PagePppoe, CPPOESetDlg::kAccountEdit},
    };
    for (const Step& step : steps) {
        if (frame_->PageIndex() != step.page) {
            if (step.page == PageConnectionType)
                ClickBack();
            else
                ClickOnPage(PageConnectionType, step.page == PageStaticIp ? kStaticChoice : kPppoeChoice);
        }
        ASSERT_EQ(frame_->PageIndex(), step.page);
        EXPECT_EQ(FocusName(), QStringLiteral("page:%1").arg(step.expectedControl)) << "page " << step.page;
    }

    TypeInto(PagePppoe, CPPOESetDlg::kAccountEdit, QStringLiteral("isp-user"));
    TypeInto(PagePppoe, CPPOESetDlg::kPasswordEdit, QStringLiteral("isp-pass"));
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageMacClone);
    EXPECT_EQ(FocusName(), QStringLiteral("page:%1").arg(CMacCloneDlg::kMacEdit));
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageWireless);
    EXPECT_EQ(FocusName(), QStringLiteral("page:%1").arg(CWirelessSettingDlg::kSsidEdit));
    // Opened as if tabbed into: what the field holds is selected, so typing replaces it.
    const auto* ssid = qobject_cast<QLineEdit*>(Focused());
    ASSERT_NE(ssid, nullptr);
    EXPECT_EQ(ssid->selectedText(), ssid->text());
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageSecurity);
    EXPECT_EQ(FocusName(), QStringLiteral("page:%1").arg(CSecuritySettingDlg::kModeList));
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageResult);
    // A page to read, not to fill in, opens on Finish.
    EXPECT_EQ(FocusName(), next);
}

// Each page's fields, one stop per field (an address entry is one), then
// the web link, Back, Next and Exit, and round again.
TEST_F(FrameKeyboard, TabRunsThroughThePageBeforeTheFrameAndWraps)
{
    const struct {
        int choice;
        int page;
        std::vector<int> fields;
    } pages[] = {
        {kPppoeChoice, PagePppoe,
         {CPPOESetDlg::kAccountEdit, CPPOESetDlg::kPasswordEdit, CPPOESetDlg::kCheckAccountsButton}},
        {kStaticChoice, PageStaticIp,
         {CStaticIpDlg::kIpAddressEntry, CStaticIpDlg::kSubnetMaskEntry, CStaticIpDlg::kGatewayEntry,
          CStaticIpDlg::kPrimaryDnsEntry, CStaticIpDlg::kSecondaryDnsEntry}},
    };
    StartActive();
    GoToConnectionTypePage();
    for (const auto& each : pages) {
        if (frame_->PageIndex() != PageConnectionType)
            ClickBack();
        ClickOnPage(PageConnectionType, each.choice);
        ASSERT_EQ(frame_->PageIndex(), each.page);
        Reactivate();
        QStringList forward;
        for (const int id : each.fields)
            forward << QStringLiteral("page:%1").arg(id);
        for (const int id : {FrameControl::WebLink, FrameControl::Back, FrameControl::Next, FrameControl::Exit})
            forward << QStringLiteral("frame:%1").arg(id);
        forward << forward.first();
        const auto presses = static_cast<int>(forward.size() - 1);
        EXPECT_EQ(WalkFocus(Qt::Key_Tab, presses), forward) << "page " << each.page;
        QStringList backward = forward;
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(WalkFocus(Qt::Key_Backtab, presses), backward) << "page " << each.page;
    }
}
