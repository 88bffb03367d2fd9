// Setup started as a process from a program folder of its own: what it does
// before any window would show.
#include "RaiseRequestServer.h"
#include "SingleInstanceGuard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kProcessTimeoutMs = 60000;

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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("CORVANE_AUTO_ANSWER"), QStringLiteral("1"));
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
        ProcessOutcome outcome;
        const QDeadlineTimer limit(kProcessTimeoutMs);
        while (!(outcome.finished = process.waitForFinished(10)) && !limit.hasExpired())
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

TEST_F(AppStartupProcess, MissingLibraryIsReportedAndEndsWithZero)
{
    const ProcessOutcome outcome = Run();
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
    ASSERT_TRUE(server.IsListening());

    const ProcessOutcome outcome = Run();
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(raiseRequests, 1);
}

} // namespace
