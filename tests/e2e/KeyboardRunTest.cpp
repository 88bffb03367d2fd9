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
#include <utility>

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
    bool FocusNewest()
    {
        const QStringList windows = Windows();
        return !windows.isEmpty() && x11_.FocusWindow(windows.last());
    }

    void Press(const QStringList& keys)
    {
        ASSERT_TRUE(FocusNewest()) << "Setup has no window that takes the focus";
        x11_.Keys(keys);
    }

    void Type(const QString& text) { x11_.Type(text); }

    // A window that has just appeared can drop the first keys before it is
    // active; the keys are sent again until they show their effect.
    bool PressUntilShown(const QStringList& keys, const std::function<bool()>& shown)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Press(keys);
            if (PollUntil(shown, 10s))
                return true;
        }
        return false;
    }

    // The screen once a repaint in flight has landed: two captures alike.
    QByteArray StillScreen() const
    {
        QByteArray last = x11_.Capture();
        QByteArray now;
        PollUntil(
            [&] {
                now = x11_.Capture();
                return std::exchange(last, now) == now;
            },
            10s);
        return now;
    }

    // Keys that move to another page, sent on a settled screen and again
    // when nothing changed, so a dropped key is neither lost nor doubled.
    bool PressUntilScreenChanges(const QStringList& keys)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!FocusNewest())
                return false;
            const QByteArray before = StillScreen();
            x11_.Keys(keys);
            if (PollUntil([&] { return x11_.Capture() != before; }, 10s))
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

    // Welcome and instruction pages, the link check answered.
    void ReachConnectionTypePage()
    {
        Shot(QStringLiteral("01-welcome"));
        for (int page = 1; page <= 4; ++page) {
            ASSERT_TRUE(PressUntilScreenChanges({QStringLiteral("space")})) << "Next did not leave page " << page;
            Shot(QStringLiteral("02-instruction-%1").arg(page));
        }
        // Next on the last instruction page checks the link.
        ASSERT_TRUE(PressUntilShown({QStringLiteral("space")}, [this] { return MessageBoxShown(); }))
            << "no link check answer";
        Shot(QStringLiteral("03-connect-ok"));
        Press({QStringLiteral("space")});
        ASSERT_TRUE(WaitForFrameAlone());
        Shot(QStringLiteral("04-connection-type"));
    }

    // MAC clone, wireless and security pages, then the save and reboot.
    void SaveFromMacClonePage()
    {
        Shot(QStringLiteral("06-mac-clone"));
        // Back from the first field wraps round to Exit, then Next.
        const QStringList backToNext = {QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"),
                                        QStringLiteral("space")};
        Press(backToNext);
        Type(kSsid);
        Shot(QStringLiteral("07-wireless"));
        Press(backToNext);
        Shot(QStringLiteral("08-security"));
        Press(backToNext);
        ASSERT_TRUE(PollUntil([this] { return emulator_->State().rebootCount >= 1; }, 60s))
            << "the router never rebooted";
        ASSERT_TRUE(WaitForFrameAlone());
        Shot(QStringLiteral("09-result"));
    }

    // The result page opens on Finish.
    void FinishEndsWithOne()
    {
        Press({QStringLiteral("space")});
        const std::optional<int> code = setup_->WaitForExit(kProcessEndMs);
        ASSERT_TRUE(code.has_value()) << "Finish did not end Setup";
        EXPECT_EQ(*code, 1);
        // The desktop's opener runs apart from Setup and may write after it ended.
        EXPECT_TRUE(PollUntil([this] { return !setup_->OpenedLinks().isEmpty(); }, 10s))
            << "Finish opened no web link";
    }

    void Shot(const QString& name) { x11_.Screenshot(QStringLiteral(E2E_SCREENSHOT_DIR), name); }

    X11Session x11_;
    std::unique_ptr<RouterEmulator> emulator_;
    std::unique_ptr<SetupProcess> setup_;
};

// Each page opens on its first field, or on Next when it has none; Tab runs
// through the page's fields, then the web link, Back, Next and Exit.
TEST_F(KeyboardRun, PppoeRunByKeyboardConfiguresTheRouterAndFinishEndsWithOne)
{
    ReachConnectionTypePage();
    // Dynamic IP, Static IP, PPPoE.
    Press(Keys(QStringLiteral("Tab"), 2) + QStringList{QStringLiteral("space")});
    Type(QStringLiteral("isp-user"));
    Press({QStringLiteral("Tab")});
    Type(QStringLiteral("isp-pass"));
    Shot(QStringLiteral("05-pppoe"));
    // Check Accounts, web link, Back, Next.
    Press(Keys(QStringLiteral("Tab"), 4) + QStringList{QStringLiteral("space")});
    SaveFromMacClonePage();
    const RouterSnapshot router = emulator_->State();
    EXPECT_EQ(router.wanType, WanPppoe);
    EXPECT_EQ(router.wanFields.Get("PUN"), "isp-user");
    EXPECT_EQ(router.wireless.Get("ssid"), kSsid.toStdString());
    FinishEndsWithOne();
}

// Each address entry is one Tab stop whose first octet is selected: the
// addresses typed with their dots reach the router as typed.
TEST_F(KeyboardRun, StaticIpAddressesTypedByKeyboardReachTheRouter)
{
    ReachConnectionTypePage();
    Press({QStringLiteral("Tab"), QStringLiteral("space")});
    const QStringList addresses = {QStringLiteral("192.168.0.10"), QStringLiteral("255.255.255.0"),
                                   QStringLiteral("203.0.113.1"), QStringLiteral("203.0.113.10")};
    for (const QString& address : addresses) {
        Type(address);
        Press({QStringLiteral("Tab")});
    }
    Shot(QStringLiteral("11-static-ip"));
    // From the secondary DNS: web link, Back, Next.
    Press(Keys(QStringLiteral("Tab"), 3) + QStringList{QStringLiteral("space")});
    SaveFromMacClonePage();
    const RouterSnapshot router = emulator_->State();
    EXPECT_EQ(router.wanType, WanStaticIp);
    EXPECT_EQ(router.wanFields.Get("WANIP"), "192.168.0.10");
    EXPECT_EQ(router.wanFields.Get("WANMSK"), "255.255.255.0");
    EXPECT_EQ(router.wanFields.Get("WANGW"), "203.0.113.1");
    EXPECT_EQ(router.wanFields.Get("DNS1"), "203.0.113.10");
}

TEST_F(KeyboardRun, ExitAnsweredYesEndsWithZero)
{
    // The welcome page opens on Start; Exit follows it.
    ASSERT_TRUE(PressUntilShown({QStringLiteral("Tab"), QStringLiteral("space")},
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
