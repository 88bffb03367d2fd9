// The running wizard's side of a second start: what it answers on its local
// socket to whatever connects there, and what it leaves in the file system.
#include "FileDescriptor.h"
#include "LocalSocketServer.h"
#include "RawLocalClient.h"
#include "RaiseRequestServer.h"
#include "StaleSocketFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace std::chrono_literals;

class AppRaiseRequestSocket : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString SocketPath() const { return folder_.filePath(QStringLiteral("wizard.socket")); }

    // A path of exactly `length` bytes in the test's folder.
    QString PathOfLength(qsizetype length) const
    {
        const QString prefix = folder_.path() + u'/';
        return prefix + QString(length - prefix.size(), u's');
    }

    std::function<void()> CountRaise()
    {
        return [this] { ++raises_; };
    }

    // The answer a fresh client gets for one whole request.
    static QByteArray AnswerTo(const QString& path, const QByteArray& request)
    {
        RawLocalClient client(path);
        client.Send(request);
        QByteArray answer;
        client.ReadUntilHungUp(answer);
        return answer;
    }

    QTemporaryDir folder_;
    int raises_ = 0;
};

// What a client sends, piece by piece, and whether it then says it is done.
struct Exchange {
    const char* name;
    std::vector<QByteArray> pieces;
    bool endsSending;
    QByteArray answer;
    int raises;
};

TEST_F(AppRaiseRequestSocket, EachClientGetsTheAnswerItsBytesDeserve)
{
    const Exchange exchanges[] = {
        {"the request", {"raise\n"}, false, "ok\n", 1},
        {"the request in two reads", {"rai", "se\n"}, false, "ok\n", 1},
        {"the request byte by byte", {"r", "a", "i", "s", "e", "\n"}, false, "ok\n", 1},
        {"two requests at once raise once", {"raise\nraise\n"}, false, "ok\n", 1},
        {"a web request", {"GET / HTTP/1.1\r\n\r\n"}, false, "no\n", 0},
        {"a wrong first byte is refused at once", {"X"}, false, "no\n", 0},
        {"other case", {"RAISE\n"}, false, "no\n", 0},
        {"a longer word", {"raise!\n"}, false, "no\n", 0},
        {"a NUL before the request", {QByteArray("\0raise\n", 7)}, false, "no\n", 0},
        {"the request without its newline", {"raise"}, true, "", 0},
        {"half a request", {"rai"}, true, "", 0},
        {"nothing at all", {}, true, "", 0},
    };
    const RaiseRequestServer server(SocketPath(), CountRaise());
    ASSERT_TRUE(server.IsListening());
    for (const Exchange& exchange : exchanges) {
        SCOPED_TRACE(exchange.name);
        raises_ = 0;
        RawLocalClient client(SocketPath());
        ASSERT_TRUE(client.IsConnected());
        for (const QByteArray& piece : exchange.pieces)
            client.Send(piece);
        if (exchange.endsSending)
            client.EndSending();
        QByteArray answer;
        EXPECT_TRUE(client.ReadUntilHungUp(answer));
        EXPECT_EQ(answer, exchange.answer);
        EXPECT_EQ(raises_, exchange.raises);
    }
}

TEST_F(AppRaiseRequestSocket, SilentClientsDoNotHoldUpTheNextOne)
{
    const RaiseRequestServer server(SocketPath(), CountRaise());
    RawLocalClient silent(SocketPath());
    RawLocalClient halfway(SocketPath());
    halfway.Send("rai");

    EXPECT_EQ(AnswerTo(SocketPath(), "raise\n"), "ok\n");
    EXPECT_EQ(raises_, 1);
    QByteArray nothing;
    EXPECT_FALSE(silent.ReadUntilHungUp(nothing, 50));
    EXPECT_FALSE(halfway.ReadUntilHungUp(nothing, 50));
}

// Answering a client that is gone must not end the wizard (SIGPIPE).
TEST_F(AppRaiseRequestSocket, AClientThatHangsUpEarlyLeavesTheServerServing)
{
    const struct {
        QByteArray sent;
        int raises;
    } early[] = {{"raise\n", 1}, {"GET", 0}, {"ra", 0}, {"", 0}};
    const RaiseRequestServer server(SocketPath(), CountRaise());
    for (const auto& client : early) {
        SCOPED_TRACE(client.sent.toStdString());
        raises_ = 0;
        RawLocalClient leaving(SocketPath());
        ASSERT_TRUE(leaving.IsConnected());
        leaving.SendAndHangUp(client.sent);
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
        EXPECT_EQ(raises_, client.raises);
        EXPECT_EQ(AnswerTo(SocketPath(), "raise\n"), "ok\n");
    }
}

TEST_F(AppRaiseRequestSocket, ASilentClientIsDroppedAfterTheLimitAndAFloodAtOnce)
{
    const LocalSocketServer server(SocketPath(), [](const QByteArray&) { return std::optional<QByteArray>(); }, 100ms);
    const struct {
        const char* name;
        QByteArray sent;
        // Qt's coarse timers may fire a little early.
        std::chrono::milliseconds atLeast;
    } clients[] = {{"silent", "", 50ms}, {"flooding", QByteArray(4096, 'r'), 0ms}};
    for (const auto& c : clients) {
        SCOPED_TRACE(c.name);
        const auto start = std::chrono::steady_clock::now();
        RawLocalClient client(SocketPath());
        client.Send(c.sent);
        QByteArray answer;
        EXPECT_TRUE(client.ReadUntilHungUp(answer));
        EXPECT_GE(std::chrono::steady_clock::now() - start, c.atLeast);
        EXPECT_TRUE(answer.isEmpty());
    }
}

// Every descriptor of the process taken, as a leaking wizard or a low limit
// would leave it; given back when the test is done.
class DescriptorsExhausted {
public:
    DescriptorsExhausted()
    {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min<rlim_t>(saved_.rlim_cur, 512);
        setrlimit(RLIMIT_NOFILE, &lowered);
        for (int descriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC); descriptor >= 0;
             descriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC))
            taken_.emplace_back(descriptor);
    }
    ~DescriptorsExhausted() { setrlimit(RLIMIT_NOFILE, &saved_); }
    void GiveBack() { taken_.clear(); }

private:
    rlimit saved_{};
    std::vector<FileDescriptor> taken_;
};

// CPU time of this thread; a server spinning on its socket shows here.
std::chrono::microseconds ThreadCpuTime()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

TEST_F(AppRaiseRequestSocket, WithNoDescriptorLeftAClientWaitsWithoutTheServerSpinning)
{
#ifdef CORVANE_SANITIZED
    GTEST_SKIP() << "the sanitizer's runtime checks memory through a pipe, which needs descriptors";
#endif
    const RaiseRequestServer server(SocketPath(), CountRaise());
    RawLocalClient client(SocketPath());
    ASSERT_TRUE(client.IsConnected());
    DescriptorsExhausted exhausted;
    const std::chrono::microseconds cpuBefore = ThreadCpuTime();
    QEventLoop waiting;
    QTimer::singleShot(300ms, &waiting, &QEventLoop::quit);
    waiting.exec();
    EXPECT_LT(ThreadCpuTime() - cpuBefore, 100ms);
    EXPECT_EQ(raises_, 0);

    exhausted.GiveBack();
    client.Send("raise\n");
    QByteArray answer;
    EXPECT_TRUE(client.ReadUntilHungUp(answer));
    EXPECT_EQ(answer, "ok\n");
    EXPECT_EQ(raises_, 1);
}

// What a copy that died left at the path must not keep the next one from listening.
TEST_F(AppRaiseRequestSocket, WhateverADeadCopyLeftAtThePathIsTakenOver)
{
    const struct {
        const char* name;
        std::function<void(const QString&)> leave;
    } leftovers[] = {
        {"nothing", [](const QString&) {}},
        {"its socket file", [](const QString& path) { ASSERT_TRUE(LeaveStaleSocketFile(path)); }},
        {"a plain file", [](const QString& path) { QFile(path).open(QIODevice::WriteOnly); }},
    };
    for (const auto& leftover : leftovers) {
        SCOPED_TRACE(leftover.name);
        QFile::remove(SocketPath());
        leftover.leave(SocketPath());
        const RaiseRequestServer server(SocketPath(), CountRaise());
        ASSERT_TRUE(server.IsListening());
        EXPECT_EQ(AnswerTo(SocketPath(), "raise\n"), "ok\n");
    }
}

TEST_F(AppRaiseRequestSocket, TheSocketFileIsOpenToTheUserOnlyAndGoesWithTheServer)
{
    const mode_t previousMask = ::umask(0);
    std::optional<RaiseRequestServer> server(std::in_place, SocketPath(), CountRaise());
    ::umask(previousMask);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(SocketPath()).constData(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode));
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    server.reset();
    EXPECT_FALSE(QFileInfo::exists(SocketPath()));
}

// The kernel would cut a longer path and listen, or ask, somewhere else.
TEST_F(AppRaiseRequestSocket, APathTooLongForASocketIsRefusedCleanly)
{
    constexpr qsizetype kRoom = sizeof(sockaddr_un::sun_path);
    const struct {
        qsizetype length;
        bool listens;
    } paths[] = {{kRoom - 1, true}, {kRoom, false}, {kRoom + 1, false}, {300, false}};
    for (const auto& path : paths) {
        SCOPED_TRACE(path.length);
        const QString socketPath = PathOfLength(path.length);
        const RaiseRequestServer server(socketPath, CountRaise());
        EXPECT_EQ(server.IsListening(), path.listens);
        EXPECT_EQ(QDir(folder_.path()).isEmpty(QDir::System | QDir::AllEntries | QDir::NoDotAndDotDot), !path.listens);
        if (!path.listens) {
            EXPECT_FALSE(RaiseRequestServer::AskRunningCopy(socketPath));
        }
    }
    EXPECT_EQ(raises_, 0);
}

} // namespace
