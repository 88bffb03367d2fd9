// Setup as a user runs it: the real program on a virtual display, driven by
// keystrokes alone (Tab, Space, typing), against an emulated router whose
// state the test reads.
#include "RouterEmulator.h"
#include "SetupProcess.h"
#include "X11Session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

using namespace std::chrono_literals;

constexpr int kProcessEndMs = 20000;
// The message box's size on screen, which tells it from the progress dialog.
const QString kMessageBoxSize = QStringLiteral("420x195");
const QString kSsid = QStringLiteral("corvane-e2e");

QStringList Keys(const QString& key, int times)
{
    QStringList keys;
    for (int i = 0; i < times; ++i)
        keys << key;
    return keys;
}

class KeyboardRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString missing = X11Session::MissingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "needs " << missing.toStdString() << " (scripts/deps installs them)";
        ASSERT_TRUE(x11_.Start()) << "no virtual display came up";
        emulator_ = std::make_unique<RouterEmulator>();
        setup_ = std::make_unique<SetupProcess>(QStringLiteral(SETUP_PROGRAM_DIR), emulator_->Start());
        ASSERT_TRUE(setup_->IsPrepared()) << "could not copy " << SETUP_PROGRAM_DIR;
        ASSERT_TRUE(setup_->Start(x11_.Display()));
        ASSERT_TRUE(PollUntil([this] { return Windows().size() == 1; }, 20s)) << "the wizard window did not appear";
    }

    void TearDown() override
    {
        if (HasFailure() && !x11_.Display().isEmpty())
            Shot(QStringLiteral("failed-") + QString::fromLatin1(
                ::testing::UnitTest::GetInstance()->current_test_info()->name()));
        setup_.reset();
        if (emulator_)
            emulator_->Stop();
    }

    QStringList Windows() const { return x11_.WindowsOf(setup_->Pid()); }

    // Keys go to the newest window of the program: a message box over the
    // frame takes them while it is open.
    void Press(const QStringList& keys)
    {
        const QStringList windows = Windows();
        ASSERT_FALSE(windows.isEmpty()) << "Setup has no window";
        ASSERT_TRUE(x11_.FocusWindow(windows.last())) << "the window never took the focus";
        x11_.Keys(keys);
    }

    void Type(const QString& text) { x11_.Type(text); }

    // A window that has just appeared can drop the first keys before it is
    // active; the opening keys are sent again until they show their effect.
    bool PressUntilShown(const QStringList& keys, const std::function<bool()>& shown)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Press(keys);
            if (PollUntil(shown, 10s))
                return true;
        }
        return false;
    }

    bool MessageBoxShown() const
    {
        const QStringList windows = Windows();
        return windows.size() == 2 && x11_.WindowSize(windows.last()) == kMessageBoxSize;
    }

    bool WaitForFrameAlone() { return PollUntil([this] { return Windows().size() == 1; }, 30s); }

    void Shot(const QString& name) { x11_.Screenshot(QStringLiteral(E2E_SCREENSHOT_DIR), name); }

    X11Session x11_;
    std::unique_ptr<RouterEmulator> emulator_;
    std::unique_ptr<SetupProcess> setup_;
};

// Every page moves on by Space on the focused button; the frame's Next keeps
// the focus from page to page while it stays visible.
TEST_F(KeyboardRun, PppoeRunByKeyboardConfiguresTheRouterAndFinishEndsWithOne)
{
    Shot(QStringLiteral("01-welcome"));
    // Whether or not the window has put its focus on the web link yet,
    // Shift+Tab lands on Exit and once more on Start. Four instruction pages
    // follow; Next on the last one checks the link.
    ASSERT_TRUE(PressUntilShown(Keys(QStringLiteral("shift+Tab"), 2) + Keys(QStringLiteral("space"), 5),
                                [this] { return MessageBoxShown(); }))
        << "no link check answer";
    Shot(QStringLiteral("03-connect-ok"));
    Press({QStringLiteral("space")});
    ASSERT_TRUE(WaitForFrameAlone());
    Shot(QStringLiteral("04-connection-type"));

    // Next is hidden here, so focus went on to Exit; the choices follow it.
    Press(Keys(QStringLiteral("Tab"), 3) + QStringList{QStringLiteral("space")});
    // The new page starts on the web link: Back, Next, Exit, then the account.
    Press(Keys(QStringLiteral("Tab"), 4));
    Type(QStringLiteral("isp-user"));
    Press({QStringLiteral("Tab")});
    Type(QStringLiteral("isp-pass"));
    Shot(QStringLiteral("05-pppoe"));
    // Check Accounts, web link, Back, Next.
    Press(Keys(QStringLiteral("Tab"), 4) + QStringList{QStringLiteral("space")});
    Shot(QStringLiteral("06-mac-clone"));
    Press({QStringLiteral("space"), QStringLiteral("Tab"), QStringLiteral("Tab")});
    Type(kSsid);
    Shot(QStringLiteral("07-wireless"));
    Press({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"), QStringLiteral("space")});
    Shot(QStringLiteral("08-security"));
    Press({QStringLiteral("space")});

    ASSERT_TRUE(PollUntil([this] { return emulator_->State().rebootCount >= 1; }, 60s)) << "the router never rebooted";
    ASSERT_TRUE(WaitForFrameAlone());
    Shot(QStringLiteral("09-result"));
    const RouterSnapshot router = emulator_->State();
    EXPECT_EQ(router.wanType, WanPppoe);
    EXPECT_EQ(router.wanFields.Get("PUN"), "isp-user");
    EXPECT_EQ(router.wireless.Get("ssid"), kSsid.toStdString());

    Press({QStringLiteral("space")});
    const std::optional<int> code = setup_->WaitForExit(kProcessEndMs);
    ASSERT_TRUE(code.has_value()) << "Finish did not end Setup";
    EXPECT_EQ(*code, 1);
    EXPECT_FALSE(setup_->OpenedLinks().isEmpty()) << "Finish opened no web link";
}

TEST_F(KeyboardRun, ExitAnsweredYesEndsWithZero)
{
    // Shift+Tab reaches Exit from the web link and from no focus alike.
    ASSERT_TRUE(PressUntilShown({QStringLiteral("shift+Tab"), QStringLiteral("space")},
                                [this] { return MessageBoxShown(); }))
        << "no question box";
    Shot(QStringLiteral("10-exit-question"));
    // The box starts on Yes.
    Press({QStringLiteral("space")});
    const std::optional<int> code = setup_->WaitForExit(kProcessEndMs);
    ASSERT_TRUE(code.has_value()) << "Setup did not end";
    EXPECT_EQ(*code, 0);
    EXPECT_EQ(emulator_->State().wizardSubmissions, 0);
}

} // namespace
