// The second copy's side: it asks the running wizard and must come back
// within its time limit whatever is, or is not, at the socket.
#include "AskLocalSocket.h"
#include "RaiseRequestServer.h"
#include "ScriptedLocalListener.h"
#include "StaleSocketFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <pthread.h>
#include <signal.h>

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kLimit = 300ms;
// What the scheduler of a loaded machine may add to a wait.
constexpr std::chrono::milliseconds kSlack = 700ms;

class AppAskLocalSocket : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString SocketPath() const { return folder_.filePath(QStringLiteral("wizard.socket")); }

    QTemporaryDir folder_;
};

struct Listening {
    const char* name;
    enum { Nobody, StaleFile, NeverAccepting, Scripted } kind;
    std::vector<ScriptedReply> replies;
    std::optional<QByteArray> answer;
    bool waitsTheWholeLimit;
};

TEST_F(AppAskLocalSocket, ComesBackWithTheAnswerOrWithinTheLimit)
{
    const Listening cases[] = {
        {"nobody", Listening::Nobody, {}, std::nullopt, false},
        {"a dead copy's socket file", Listening::StaleFile, {}, std::nullopt, false},
        {"a copy that never accepts", Listening::NeverAccepting, {}, std::nullopt, true},
        {"a copy that hangs up", Listening::Scripted, {}, std::nullopt, false},
        {"a copy that answers", Listening::Scripted, {{0ms, "ok\n"}}, "ok\n", false},
        {"an answer in pieces", Listening::Scripted, {{0ms, "o"}, {50ms, "k\n"}}, "ok\n", false},
        {"an answer cut short", Listening::Scripted, {{0ms, "ok"}}, std::nullopt, false},
        {"an answer too late", Listening::Scripted, {{kLimit + 200ms, "ok\n"}}, std::nullopt, true},
    };
    for (const Listening& listening : cases) {
        SCOPED_TRACE(listening.name);
        QFile::remove(SocketPath());
        if (listening.kind == Listening::StaleFile) {
            ASSERT_TRUE(LeaveStaleSocketFile(SocketPath()));
        }
        std::optional<ScriptedLocalListener> listener;
        if (listening.kind == Listening::NeverAccepting || listening.kind == Listening::Scripted)
            listener.emplace(SocketPath(), listening.kind == Listening::Scripted, listening.replies);

        const Clock::time_point start = Clock::now();
        EXPECT_EQ(AskLocalSocket(SocketPath(), "raise\n", kLimit), listening.answer);
        const Clock::duration took = Clock::now() - start;
        EXPECT_LT(took, kLimit + kSlack);
        if (listening.waitsTheWholeLimit) {
            EXPECT_GE(took, kLimit);
        }
    }
}

// The asking program may get signals; an interrupted wait goes on waiting.
TEST_F(AppAskLocalSocket, SignalsDoNotCutTheWaitShort)
{
    struct sigaction interrupting {};
    interrupting.sa_handler = [](int) {};
    struct sigaction previous {};
    ASSERT_EQ(::sigaction(SIGUSR1, &interrupting, &previous), 0);

    const ScriptedLocalListener listener(SocketPath(), true, {{200ms, "ok\n"}});
    const pthread_t asker = ::pthread_self();
    std::atomic<bool> asking = true;
    std::thread interrupter([&] {
        while (asking) {
            ::pthread_kill(asker, SIGUSR1);
            std::this_thread::sleep_for(5ms); // real-wait: the pace of signals at a blocked thread
        }
    });
    const std::optional<QByteArray> answer = AskLocalSocket(SocketPath(), "raise\n", 2s);
    asking = false;
    interrupter.join();
    ::sigaction(SIGUSR1, &previous, nullptr);
    EXPECT_EQ(answer, "ok\n");
}

TEST_F(AppAskLocalSocket, ASecondCopyRaisesTheRunningOneOnceAndNoLongerOnceItEnded)
{
    int raises = 0;
    std::optional<RaiseRequestServer> running(std::in_place, SocketPath(), [&raises] { ++raises; });
    std::future<bool> asked = std::async(std::launch::async, [this] { return RaiseRequestServer::AskRunningCopy(SocketPath()); });
    while (asked.wait_for(1ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    EXPECT_TRUE(asked.get());
    EXPECT_EQ(raises, 1);

    running.reset();
    const Clock::time_point start = Clock::now();
    EXPECT_FALSE(RaiseRequestServer::AskRunningCopy(SocketPath()));
    EXPECT_LT(Clock::now() - start, kSlack);
}

} // namespace
