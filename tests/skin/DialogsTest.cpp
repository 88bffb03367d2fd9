#include "CDlgMessageBox.h"
#include "CLanguageTable.h"
#include "CLookInfo.h"
#include "CProgressDlg.h"
#include "CSkBtn_Pic.h"
#include "CSkDisplayPic.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "ScreenDpi.h"
#include "SkinFolder.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace {

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

// Work that waits until the test lets it finish.
class GatedWork {
public:
    std::optional<int> Run()
    {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return open_; });
        return answer_;
    }
    void Release(std::optional<int> answer)
    {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
            answer_ = answer;
        }
        released_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool open_ = false;
    std::optional<int> answer_;
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

TEST_F(SkinDialogsTest, ProgressEndsOnlyAfterTheWorkAndHandsTheResultOver)
{
    const std::pair<std::optional<int>, int> cases[] = {{-1, -1}, {std::nullopt, 0}, {3, 3}};
    for (const auto& [answer, result] : cases) {
        GatedWork work;
        CProgressDlg progress(4, [&work] { return work.Run(); }, language);
        QSignalSpy finished(&progress, &QDialog::finished);
        progress.open();
        EXPECT_EQ(progress.size(), QSize(453, 130));
        EXPECT_EQ(FindControlAs<CSkStatic>(&progress, 1173)->text(), "prg_save");
        QTest::keyClick(&progress, Qt::Key_Escape);
        QTest::keyClick(FindControl(&progress, 1173), Qt::Key_Return);
        progress.close();
        progress.reject();
        EXPECT_TRUE(progress.isVisible());
        EXPECT_EQ(finished.count(), 0);

        work.Release(answer);
        ASSERT_TRUE(finished.wait(5000));
        EXPECT_FALSE(progress.isVisible());
        EXPECT_EQ(progress.Result(), result);
    }
}

TEST_F(SkinDialogsTest, ProgressPicturesCycleWithTheTicks)
{
    // The picture is drawn from its pixel (5, 5) on.
    QImage first(453, 130, QImage::Format_RGB32);
    first.fill(Qt::blue);
    first.setPixelColor(5, 5, Qt::red);
    skin.WriteImage("Skin/progress1.png", first);
    GatedWork work;
    CProgressDlg progress(1, [&work] { return work.Run(); }, language);
    progress.InitDialog();
    EXPECT_EQ(progress.CurrentPicture(), 1);
    const QImage drawn = progress.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(1, 1), QColor(Qt::blue));
    std::vector<int> shown;
    for (int tick = 1; tick <= 6; ++tick) {
        progress.OnTimerTick();
        shown.push_back(progress.CurrentPicture());
    }
    EXPECT_EQ(shown, (std::vector<int>{2, 3, 4, 5, 1, 2}));
    EXPECT_FALSE(progress.WindowRegion().contains(QPoint(0, 0)));
    EXPECT_TRUE(progress.WindowRegion().contains(QPoint(226, 65)));
    SaveScreenshot(&progress, "progress");
    work.Release(1);
    QSignalSpy finished(&progress, &QDialog::finished);
    ASSERT_TRUE(finished.wait(5000));
}

TEST_F(SkinDialogsTest, ProgressTextKeysFollowTheTask)
{
    const std::pair<int, const char*> cases[] = {{1, "prg_link"},  {2, "prg_auto"}, {3, "prg_check"},
                                                 {4, "prg_save"},  {5, "prg_reboot"}, {0, ""}, {6, ""}};
    for (const auto& [task, key] : cases)
        EXPECT_EQ(CProgressDlg::TaskTextKey(task), QString::fromLatin1(key)) << task;
}

TEST_F(SkinDialogsTest, ConnectFailedDialogClosesOnlyThroughRetry)
{
    CLookInfo info(language);
    QSignalSpy finished(&info, &QDialog::finished);
    info.open();
    EXPECT_FALSE(info.SkinRegion().contains(QPoint(0, 0)));
    for (int id : {1257, 1258, 1259})
        EXPECT_FALSE(FindControl(&info, id)->isVisible()) << id;
    EXPECT_EQ(FindControlAs<CSkStatic>(&info, 1259)->TextColor(), 255);
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
