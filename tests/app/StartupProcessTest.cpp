// Setup started as a process from a program folder of its own: what it does
// before any window would show.
#include "RaiseRequestServer.h"
#include "SingleInstanceGuard.h"
#include "StaleSocketFile.h"
#include "X11Session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>

namespace {

using namespace std::chrono_literals;

constexpr int kProcessTimeoutMs = 60000;
// A second copy gives the running one 2 s to answer; more is the machine's load.
constexpr qint64 kSecondCopyLimitMs = 2000 + 3000;

// Environment changes for one run: an empty value removes the variable.
using EnvironmentChanges = std::map<QString, QString>;

struct ProcessOutcome {
    bool finished = false;
    int exitCode = -1;
    QString standardOutput;
    QString standardError;
};

class AppStartupProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder_.isValid());
        ASSERT_TRUE(runtimeFolder_.isValid());
        // The program folder comes from the running file, so Setup is copied, not linked.
        ASSERT_TRUE(QFile::copy(QStringLiteral(SETUP_PROGRAM), ProgramFile()));
        QFile::setPermissions(ProgramFile(), QFile::permissions(ProgramFile()) | QFile::ExeOwner);
    }

    QString ProgramFile() const { return programFolder_.filePath(QStringLiteral("Setup")); }

    // Events are handled while Setup runs, so a test can answer it.
    ProcessOutcome Run(const QStringList& arguments = {}, const EnvironmentChanges& changes = {}) const
    {
        QProcess process;
        Start(process, arguments, changes);
        return Finish(process);
    }

    void Start(QProcess& process, const QStringList& arguments, const EnvironmentChanges& changes) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The instance lock lives in the runtime folder; each test has its own.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder_.path());
        for (const auto& [name, value] : changes) {
            if (value.isEmpty())
                environment.remove(name);
            else
                environment.insert(name, value);
        }
        process.setProcessEnvironment(environment);
        process.start(ProgramFile(), arguments);
    }

    static ProcessOutcome Finish(QProcess& process)
    {
        ProcessOutcome outcome;
        const QDeadlineTimer limit(kProcessTimeoutMs);
        const auto ended = [&process] {
            return process.state() == QProcess::NotRunning || process.waitForFinished(10);
        };
        while (!(outcome.finished = ended()) && !limit.hasExpired())
            QCoreApplication::processEvents();
        if (!outcome.finished) {
            process.kill();
            process.waitForFinished();
        }
        outcome.exitCode = process.exitCode();
        outcome.standardOutput = QString::fromLocal8Bit(process.readAllStandardOutput());
        outcome.standardError = QString::fromLocal8Bit(process.readAllStandardError());
        return outcome;
    }

    QString SocketPath() const
    {
        return SingleInstanceGuard(QStringLiteral("App Name"), runtimeFolder_.path()).SocketPath();
    }

    QTemporaryDir programFolder_;
    QTemporaryDir runtimeFolder_;
};

// A program that went on to start would report the missing library.
TEST_F(AppStartupProcess, TextRequestsPrintAndEndBeforeAnyWindow)
{
    const struct {
        QStringList arguments;
        QString printed;
    } cases[] = {
        {{QStringLiteral("--version")}, QStringLiteral("Setup " CORVANE_PROJECT_VERSION "\n")},
        {{QStringLiteral("--help")}, QStringLiteral("Usage: Setup")},
        {{QStringLiteral("-h")}, QStringLiteral("Usage: Setup")},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--help")}, QStringLiteral("Usage: Setup")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProcessOutcome outcome = Run(c.arguments);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_TRUE(outcome.standardOutput.startsWith(c.printed)) << outcome.standardOutput.toStdString();
        EXPECT_TRUE(outcome.standardError.isEmpty()) << outcome.standardError.toStdString();
    }
}

TEST_F(AppStartupProcess, HelpNamesTheOptionsAndEveryExitCode)
{
    const QString usage = Run({QStringLiteral("--help")}).standardOutput;
    for (const char* part : {"--help", "--version", "Exit status", "  0  ", "  1  ", "Finish", "display"})
        EXPECT_TRUE(usage.contains(QString::fromLatin1(part))) << part;
}

// Qt would abort (exit code 134) with a page of plugin advice.
TEST_F(AppStartupProcess, WithoutADisplayOneLineSaysSoAndTheCodeIsOne)
{
    const EnvironmentChanges unreachable[] = {
        {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")}, {QStringLiteral("DISPLAY"), {}},
         {QStringLiteral("WAYLAND_DISPLAY"), {}}},
        {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")}, {QStringLiteral("DISPLAY"), QStringLiteral(":4711")}},
    };
    for (const EnvironmentChanges& changes : unreachable) {
        SCOPED_TRACE(changes.at(QStringLiteral("DISPLAY")).toStdString());
        const ProcessOutcome outcome = Run({}, changes);
        ASSERT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_EQ(outcome.standardError,
                  QStringLiteral("Setup: no graphical display found; start Setup from a desktop session.\n"));
    }
}

// The box is answered as a person would, with Return.
TEST_F(AppStartupProcess, MissingLibraryIsReportedAndEndsWithZero)
{
    if (const QString missing = X11Session::MissingTools(); !missing.isEmpty())
        GTEST_SKIP() << "needs " << missing.toStdString() << " (scripts/deps installs them)";
    X11Session x11;
    ASSERT_TRUE(x11.Start()) << "no virtual display came up";
    QProcess process;
    EnvironmentChanges onTheDisplay{{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                                    {QStringLiteral("DISPLAY"), x11.Display()}};
    // The X keyboard library hands strndup a buffer without a terminator,
    // which AddressSanitizer's strict string checks take for an overflow.
    if (const QString asan = qEnvironmentVariable("ASAN_OPTIONS"); !asan.isEmpty())
        onTheDisplay[QStringLiteral("ASAN_OPTIONS")] = asan + QStringLiteral(":strict_string_checks=0");
    Start(process, {}, onTheDisplay);
    QStringList windows;
    ASSERT_TRUE(PollUntil([&] { return !(windows = x11.WindowsOf(process.processId())).isEmpty(); }, 20s))
        << "no message box appeared; Setup said: " << process.readAllStandardError().toStdString();
    EXPECT_EQ(windows.size(), 1);
    // A box only just mapped may miss the key; it is pressed until the box goes.
    EXPECT_TRUE(PollUntil(
        [&] {
            const QStringList open = x11.WindowsOf(process.processId());
            if (!open.isEmpty() && x11.FocusWindow(open.last()))
                x11.Keys({QStringLiteral("Return")});
            return process.waitForFinished(200);
        },
        20s));

    const ProcessOutcome outcome = Finish(process);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.standardError.contains(QStringLiteral("Load Dll failed!!!")))
        << outcome.standardError.toStdString();
}

// Without a library a copy that got past the guard would report it; a second
// copy must end before that, silently.
TEST_F(AppStartupProcess, SecondCopyEndsAtOnceWithoutAMessage)
{
    SingleInstanceGuard firstCopy(QStringLiteral("App Name"), runtimeFolder_.path());
    ASSERT_TRUE(firstCopy.TryAcquire());

    const ProcessOutcome outcome = Run();
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_FALSE(outcome.standardError.contains(QStringLiteral("Load Dll failed!!!"))) << outcome.standardError.toStdString();
}

TEST_F(AppStartupProcess, SecondCopyAsksTheRunningOneToComeToTheFront)
{
    SingleInstanceGuard firstCopy(QStringLiteral("App Name"), runtimeFolder_.path());
    ASSERT_TRUE(firstCopy.TryAcquire());
    int raiseRequests = 0;
    const RaiseRequestServer server(firstCopy.SocketPath(), [&raiseRequests] { ++raiseRequests; });

    const ProcessOutcome outcome = Run();
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(raiseRequests, 1);
}

// Whatever sits at the running copy's socket, the second copy ends with 0,
// silently and in its time.
TEST_F(AppStartupProcess, SecondCopyEndsInTimeWhateverAnswersAtTheSocket)
{
    const struct {
        const char* name;
        std::function<void(const QString&, std::optional<QLocalServer>&)> place;
    } runningCopies[] = {
        {"a dead copy's socket file",
         [](const QString& path, std::optional<QLocalServer>&) { ASSERT_TRUE(LeaveStaleSocketFile(path)); }},
        {"a copy too slow to answer",
         [](const QString& path, std::optional<QLocalServer>& server) { ASSERT_TRUE(server.emplace().listen(path)); }},
    };
    SingleInstanceGuard firstCopy(QStringLiteral("App Name"), runtimeFolder_.path());
    ASSERT_TRUE(firstCopy.TryAcquire());
    for (const auto& running : runningCopies) {
        SCOPED_TRACE(running.name);
        QFile::remove(SocketPath());
        std::optional<QLocalServer> server;
        running.place(SocketPath(), server);
        QElapsedTimer clock;
        clock.start();
        const ProcessOutcome outcome = Run();
        ASSERT_TRUE(outcome.finished);
        EXPECT_LT(clock.elapsed(), kSecondCopyLimitMs);
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_TRUE(outcome.standardError.isEmpty()) << outcome.standardError.toStdString();
    }
}

} // namespace
