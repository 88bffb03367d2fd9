#include "AccessibleEventLog.h"
#include "CDlgMessageBox.h"
#include "CLanguageTable.h"
#include "CLookInfo.h"
#include "CSkBtn_Pic.h"
#include "CSkDisplayPic.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "ScreenDpi.h"
#include "SkinFolder.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>


namespace {

QString NameOf(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Every control a person can reach with Tab, without a name.
QStringList UnnamedFocusStops(QWidget* dialog)
{
    QStringList unnamed;
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(dialog) && NameOf(control).isEmpty())
            unnamed << control->objectName();
    }
    return unnamed;
}

class SkinDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.WriteStandardSkin();
        CDlgMessageBox::TakeRecordedCalls();
    }

    SkinFolder skin;
    CLanguageTable language;
};

TEST_F(SkinDialogsTest, MessageBoxEndsWithTheAnswerOfItsButtons)
{
    struct Case {
        int type;
        int pressed; // control id, or 0 for Escape
        int result;
    };
    const Case cases[] = {
        {1, CDlgMessageBox::kOk, 1}, {2, CDlgMessageBox::kYes, 6}, {2, CDlgMessageBox::kNo, 7},
        {3, CDlgMessageBox::kOk, 1}, {1, 0, 2},                     {2, 0, 2},
    };
    for (const Case& c : cases) {
        CDlgMessageBox box(language);
        box.SetType(c.type);
        box.SetCaption("Waring");
        box.SetMessage("Account Empty");
        box.open();
        const bool question = c.type == 2;
        EXPECT_EQ(FindControl(&box, CDlgMessageBox::kYes)->isVisible(), question);
        EXPECT_EQ(FindControl(&box, CDlgMessageBox::kNo)->isVisible(), question);
        EXPECT_EQ(FindControl(&box, CDlgMessageBox::kOk)->isVisible(), !question);
        EXPECT_EQ(FindControlAs<CSkDisplayPic>(&box, 1163)->Picture().size(), QSize(64, 64));
        EXPECT_EQ(FindControlAs<CSkStatic>(&box, 1212)->text(), "Account Empty");
        EXPECT_TRUE(box.windowFlags() & Qt::Tool);
        SaveScreenshot(&box, QStringLiteral("message_box_type%1").arg(c.type));
        if (c.pressed)
            QTest::mouseClick(FindControl(&box, c.pressed), Qt::LeftButton);
        else
            QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), c.result) << c.type << "/" << c.pressed;
    }
}

// Opened over the wizard, the box is read at once as an alert: its caption,
// then its message; the dialogs are named by their headings.
TEST_F(SkinDialogsTest, DialogsOpenAsNamedAlertsWithNamedButtons)
{
    AccessibleEventLog log;
    for (int type : {1, 2, 3}) {
        CDlgMessageBox box(language);
        box.SetType(type);
        box.SetCaption("Waring");
        box.SetMessage("Account Empty");
        box.open();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::AlertMessage);
        EXPECT_EQ(log.TakeAlerts(), (std::vector<AccessibleEventLog::Announcement>{{"Waring", "Account Empty"}}));
        EXPECT_EQ(UnnamedFocusStops(&box), QStringList()) << type;
        box.reject();
    }
    CLookInfo info(language);
    info.SetCauseKey(QStringLiteral("Cause No Cable"));
    info.open();
    EXPECT_EQ(NameOf(&info), "Connect failed");
    EXPECT_EQ(UnnamedFocusStops(&info), QStringList());
}

TEST_F(SkinDialogsTest, ShowMessageBoxRunsARealBoxModally)
{
    const std::pair<int, int> cases[] = {{Qt::Key_Escape, 2}, {Qt::Key_Return, 1}};
    for (const auto& [key, result] : cases) {
        QTimer::singleShot(0, [key = key] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box, static_cast<Qt::Key>(key));
        });
        EXPECT_EQ(ShowMessageBox(2, "Exit", "Leave Massage"), result);
    }
}

TEST_F(SkinDialogsTest, MessageBoxOnAScreenOfAnotherDpiKeepsThePictureLayout)
{
    SetScreenDpi(120);
    CDlgMessageBox box(language);
    box.open();
    SetScreenDpi(96);
    EXPECT_EQ(FindControl(&box, CDlgMessageBox::kOk)->geometry(), QRect(174, 152, 72, 26));
    EXPECT_EQ(FindControl(&box, 1212)->geometry(), QRect(109, 48, 289, 89));
    EXPECT_EQ(FindControl(&box, 1212)->font().pixelSize(), 12);
    box.reject();
}

TEST_F(SkinDialogsTest, NextAnswerSkipsTheWindowAndEveryCallIsRecorded)
{
    CDlgMessageBox::SetNextAnswer(6);
    CDlgMessageBox::SetNextAnswer(1);
    EXPECT_EQ(ShowMessageBox(2, "Exit", "Leave Massage"), 6);
    EXPECT_EQ(ShowMessageBox(1, "Waring", "SSID invaid"), 1);
    const auto calls = CDlgMessageBox::TakeRecordedCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].type, 2);
    EXPECT_EQ(calls[1].caption, "Waring");
    EXPECT_EQ(calls[1].message, "SSID invaid");
    EXPECT_TRUE(CDlgMessageBox::TakeRecordedCalls().empty());
}

TEST_F(SkinDialogsTest, ConnectFailedDialogClosesOnlyThroughRetry)
{
    CLookInfo info(language);
    info.SetCauseKey(QStringLiteral("Cause No Cable"));
    QSignalSpy finished(&info, &QDialog::finished);
    info.open();
    EXPECT_FALSE(info.SkinRegion().contains(QPoint(0, 0)));
    // The three texts and the cause stand on the picture, right of its drawing.
    for (int id : {1257, 1258, 1259, 1260}) {
        EXPECT_TRUE(FindControl(&info, id)->isVisible()) << id;
        EXPECT_TRUE(info.SkinRegion().contains(FindControl(&info, id)->geometry().center())) << id;
    }
    EXPECT_EQ(FindControlAs<CSkStatic>(&info, 1260)->text(), language.GetText(QStringLiteral("Cause No Cable")));
    EXPECT_EQ(FindControlAs<CSkStatic>(&info, 1259)->TextColor(), MakeColorRef(200, 0, 0));
    EXPECT_EQ(FindControlAs<CSkStatic>(&info, 1257)->font().pixelSize(), 16);
    SaveScreenshot(&info, "connect_failed");
    QTest::keyClick(&info, Qt::Key_Escape);
    QTest::keyClick(&info, Qt::Key_Return);
    QTest::keyClick(FindControl(&info, 1105), Qt::Key_Escape);
    EXPECT_TRUE(info.isVisible());
    QTest::mouseClick(FindControl(&info, 1105), Qt::LeftButton);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(info.result(), QDialog::Accepted);
}

} // namespace
