#include "CLanguageTable.h"
#include "CProgressDlg.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "SkinFolder.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace {

class SkinProgressTest : public ::testing::Test {
protected:
    void SetUp() override { skin.WriteStandardSkin(); }

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

TEST_F(SkinProgressTest, ProgressEndsOnlyAfterTheWorkAndHandsTheResultOver)
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

TEST_F(SkinProgressTest, ProgressPicturesCycleWithTheTicks)
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
    // Inside the border that parts the dialog from the page behind it.
    EXPECT_EQ(drawn.pixelColor(10, 60), QColor(Qt::blue));
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

TEST_F(SkinProgressTest, PictureStopsChangingAfterTheLastAnimatedTick)
{
    GatedWork work;
    CProgressDlg progress(5, [&work] { return work.Run(); }, language);
    progress.open();
    for (int tick = 1; tick <= 3566; ++tick)
        progress.OnTimerTick();
    EXPECT_EQ(progress.CurrentPicture(), 3566 % 5 + 1);
    for (int tick = 0; tick < 4; ++tick)
        progress.OnTimerTick();
    EXPECT_EQ(progress.CurrentPicture(), 3566 % 5 + 1);
    EXPECT_TRUE(progress.isVisible());
    QSignalSpy finished(&progress, &QDialog::finished);
    work.Release(std::nullopt);
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(progress.Result(), 0);
}

TEST_F(SkinProgressTest, ProgressTextKeysFollowTheTask)
{
    const std::pair<int, const char*> cases[] = {{1, "prg_link"},  {2, "prg_auto"}, {3, "prg_check"},
                                                 {4, "prg_save"},  {5, "prg_reboot"}, {0, ""}, {6, ""}};
    for (const auto& [task, key] : cases)
        EXPECT_EQ(CProgressDlg::TaskTextKey(task), QString::fromLatin1(key)) << task;
}

} // namespace
