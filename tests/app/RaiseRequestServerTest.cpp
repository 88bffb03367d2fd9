// The running wizard's side of a second start: what it answers on its local
// socket to whatever connects there, and what it leaves in the file system.
#include "RaiseRequestServer.h"
#include "StaleSocketFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace {

// A client on the test's own thread: the server, on the same event loop,
// takes each piece before the next is sent.
class LocalClient {
public:
    explicit LocalClient(const QString& path)
    {
        QObject::connect(&socket_, &QLocalSocket::readyRead, [this] { received_ += socket_.readAll(); });
        socket_.connectToServer(path);
        connected_ = socket_.waitForConnected(1000);
        ServerTurn();
    }

    bool IsConnected() const { return connected_; }

    void Send(const QByteArray& bytes)
    {
        socket_.write(bytes);
        socket_.waitForBytesWritten(1000);
        ServerTurn();
    }

    void HangUp()
    {
        socket_.abort();
        ServerTurn();
    }

    // All the server sent until it hung up; nothing when it kept the line open.
    std::optional<QByteArray> AnswerUntilHungUp()
    {
        if (!QTest::qWaitFor([this] { return socket_.state() == QLocalSocket::UnconnectedState; }, 3000))
            return std::nullopt;
        return received_ + socket_.readAll();
    }

private:
    static void ServerTurn()
    {
        for (int turn = 0; turn < 5; ++turn)
            QCoreApplication::processEvents();
    }

    QLocalSocket socket_;
    QByteArray received_;
    bool connected_ = false;
};

class AppRaiseRequestServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString SocketPath() const { return folder_.filePath(QStringLiteral("wizard.socket")); }

    std::function<void()> CountRaise()
    {
        return [this] { ++raises_; };
    }

    std::optional<QByteArray> AnswerTo(const std::vector<QByteArray>& pieces) const
    {
        LocalClient client(SocketPath());
        if (!client.IsConnected())
            return std::nullopt;
        for (const QByteArray& piece : pieces)
            client.Send(piece);
        return client.AnswerUntilHungUp();
    }

    QTemporaryDir folder_;
    int raises_ = 0;
};

TEST_F(AppRaiseRequestServer, EachClientGetsTheAnswerItsBytesDeserve)
{
    const struct {
        const char* name;
        std::vector<QByteArray> pieces;
        QByteArray answer;
        int raises;
    } exchanges[] = {
        {"the request", {"raise\n"}, "ok\n", 1},
        {"the request in two reads", {"rai", "se\n"}, "ok\n", 1},
        {"the request byte by byte", {"r", "a", "i", "s", "e", "\n"}, "ok\n", 1},
        {"two requests at once raise once", {"raise\nraise\n"}, "ok\n", 1},
        {"a web request", {"GET / HTTP/1.1\r\n\r\n"}, "no\n", 0},
        {"a wrong first byte is refused at once", {"X"}, "no\n", 0},
        {"other case", {"RAISE\n"}, "no\n", 0},
        {"a longer word", {"raise!\n"}, "no\n", 0},
        {"a NUL before the request", {QByteArray("\0raise\n", 7)}, "no\n", 0},
        {"a flood", {QByteArray(4096, 'r')}, "no\n", 0},
    };
    const RaiseRequestServer server(SocketPath(), CountRaise());
    for (const auto& exchange : exchanges) {
        SCOPED_TRACE(exchange.name);
        raises_ = 0;
        EXPECT_EQ(AnswerTo(exchange.pieces), exchange.answer);
        EXPECT_EQ(raises_, exchange.raises);
    }
}

// Answering a client that is gone must not end the wizard (SIGPIPE), and a
// client that never finishes asking must not hold up the next.
TEST_F(AppRaiseRequestServer, ClientsThatHangUpOrStaySilentLeaveTheServerServing)
{
    const struct {
        QByteArray sent;
        int raises;
    } leaving[] = {{"raise\n", 1}, {"GET", 0}, {"ra", 0}, {"", 0}};
    const RaiseRequestServer server(SocketPath(), CountRaise());
    LocalClient silent(SocketPath());
    LocalClient halfway(SocketPath());
    halfway.Send("rai");
    for (const auto& client : leaving) {
        SCOPED_TRACE(client.sent.toStdString());
        raises_ = 0;
        LocalClient early(SocketPath());
        ASSERT_TRUE(early.IsConnected());
        early.Send(client.sent);
        early.HangUp();
        EXPECT_EQ(raises_, client.raises);
        EXPECT_EQ(AnswerTo({"raise\n"}), "ok\n");
    }
}

// What a copy that died left at the path must not keep the next one from listening.
TEST_F(AppRaiseRequestServer, WhateverADeadCopyLeftAtThePathIsTakenOver)
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
        EXPECT_EQ(AnswerTo({"raise\n"}), "ok\n");
    }
}

TEST_F(AppRaiseRequestServer, TheSocketIsOpenToTheUserOnlyAndGoesWithTheServer)
{
    const mode_t previousMask = ::umask(0);
    std::optional<RaiseRequestServer> server(std::in_place, SocketPath(), CountRaise());
    ::umask(previousMask);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(SocketPath()).constData(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode));
    EXPECT_EQ(status.st_mode & 077, 0u);

    server.reset();
    EXPECT_FALSE(QFileInfo::exists(SocketPath()));
}

} // namespace
