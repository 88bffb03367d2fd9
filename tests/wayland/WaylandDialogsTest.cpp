// The wizard on a real Wayland compositor (weston's headless backend), driven
// by keys through the instruction pages to the link check's progress dialog
// and the "Connect OK" notice. Each dialog must be a transient child of the
// wizard's window (xdg_toplevel.set_parent in the compositor's protocol log),
// which keeps it above the wizard, and lie above it in the compositor's
// scene. Where it opens is the compositor's choice on Wayland (weston's
// desktop shell picks a free spot, other desktops centre a transient dialog
// on its parent); the offset is printed. Every page and both dialogs are
// shot from the compositor's output into screenshots/wayland/.
#include "CDlgMessageBox.h"
#include "CProgressDlg.h"
#include "LookFrame.h"
#include "PageFlow.h"
#include "WestonScene.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <iostream>
#include <map>
#include <mutex>

namespace {

// Holds the router task's first wait until the test has looked at its dialog.
class GateSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds) override
    {
        std::unique_lock lock(mutex_);
        // Bounded, so that a failed test never holds the worker for good.
        opened_.wait_for(lock, std::chrono::seconds(30), [this] { return open_; });
    }
    void Open()
    {
        {
            const std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

QString ShotFolder()
{
    return QStringLiteral(LOOK_SCREENSHOT_DIR "/wayland");
}

// The scene once the compositor shows a window of this title; empty when it
// does not within ten seconds.
std::vector<SceneWindow> SceneShowing(const QString& title)
{
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        std::vector<SceneWindow> scene = ReadSceneWindows();
        if (FindSceneWindow(scene, title))
            return scene;
        QTest::qWait(50); // real-wait: the compositor maps the window in its own time
    }
    return {};
}

class WaylandDialogs : public ::testing::Test, protected LookFrame {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("wayland"))
            GTEST_SKIP() << "runs on a Wayland compositor only (tests/wayland/run-on-weston.sh)";
        StartFrame(QStringLiteral("English"), &gate_);
        QDir().mkpath(ShotFolder());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
    }

    void TearDown() override
    {
        gate_.Open();
        StopFrame();
    }

    // Next has the focus on the welcome and instruction pages.
    void PressNext() { QTest::keyClick(frame_->focusWidget(), Qt::Key_Space); }

    // Records the scene while the dialog is up, shoots it, and lets it go.
    void LookAtDialogs()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window == frame_.get() || scenes_.count(window->windowTitle()))
                continue;
            if (auto* progress = qobject_cast<CProgressDlg*>(window)) {
                Record(progress, QStringLiteral("progress"));
                gate_.Open();
            } else if (auto* box = qobject_cast<CDlgMessageBox*>(window)) {
                Record(box, QStringLiteral("message_box"));
                QTest::keyClick(box, Qt::Key_Return);
            }
        }
    }

    void Record(QWidget* dialog, const QString& shot)
    {
        const QString title = dialog->windowTitle();
        scenes_[title] = SceneShowing(title);
        EXPECT_TRUE(SaveScreenshot(ShotFolder() + u'/' + shot + QStringLiteral(".png")));
    }

    void ExpectAboveTheWizard(const QString& dialogTitle)
    {
        SCOPED_TRACE(dialogTitle.toStdString());
        const std::vector<SceneWindow>& scene = scenes_[dialogTitle];
        const std::optional<StackedWindow> dialog = FindSceneWindow(scene, dialogTitle);
        const std::optional<StackedWindow> wizard = FindSceneWindow(scene, frame_->windowTitle());
        ASSERT_TRUE(dialog) << "the compositor never showed the dialog";
        ASSERT_TRUE(wizard) << "the wizard was gone while the dialog was up";
        EXPECT_LT(dialog->depth, wizard->depth) << "the dialog lies below the wizard";
        const QPoint offset = dialog->window.place.center() - wizard->window.place.center();
        std::cout << dialogTitle.toStdString() << ": stacked " << wizard->depth - dialog->depth
                  << " above the wizard, its centre off the wizard's by " << offset.x() << "," << offset.y() << '\n';

        bool owned = false;
        for (const ToplevelRecord& toplevel : ToplevelsOf(ProtocolRequests()))
            owned |= toplevel.title == dialogTitle && toplevel.parentTitle == frame_->windowTitle();
        EXPECT_TRUE(owned) << "no xdg_toplevel.set_parent with the wizard's toplevel";
    }

    GateSleeper gate_;
    std::map<QString, std::vector<SceneWindow>> scenes_;
};

TEST_F(WaylandDialogs, DialogsAreTransientChildrenOfTheWizardAndLieAboveIt)
{
    ASSERT_TRUE(FindSceneWindow(SceneShowing(frame_->windowTitle()), frame_->windowTitle()));
    QTimer watcher;
    watcher.callOnTimeout([this, &watcher] {
        // Looking waits for the compositor, which runs this timer again.
        watcher.stop();
        LookAtDialogs();
        watcher.start();
    });
    watcher.start(20);
    for (int page = PageWelcome; page < PageLastInstruction; ++page)
        PressNext();
    ASSERT_EQ(frame_->PageIndex(), PageLastInstruction);
    // The link check: its progress dialog, then the notice that it worked.
    PressNext();
    watcher.stop();
    EXPECT_EQ(frame_->PageIndex(), PageConnectionType);

    ExpectAboveTheWizard(Texts().GetText(QStringLiteral("prg_link")));
    // A notice without a caption is named by its message's first line.
    ExpectAboveTheWizard(Texts().GetText(QStringLiteral("Connect OK")).section(u'\n', 0, 0));
}

TEST_F(WaylandDialogs, EveryPageAsTheCompositorShowsIt)
{
    std::vector<int> pages{PageLanguage};
    for (int page = PageWelcome; page <= PageResult; ++page)
        pages.push_back(page);
    for (const int page : pages) {
        frame_->ShowPage(page);
        QTest::qWait(200); // real-wait: the compositor shows the new page at its next repaint
        EXPECT_TRUE(SaveScreenshot(ShotFolder() + QStringLiteral("/page_%1.png").arg(page, 3, 10, QChar(u'0'))))
            << "page " << page;
    }
}

} // namespace
