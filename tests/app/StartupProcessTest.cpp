// Setup started as a process from a program folder of its own: what it does
// before any window would show.
#include "SingleInstanceGuard.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kProcessTimeoutMs = 60000;

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

    ProcessOutcome Run(const QStringList& arguments = {}) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("CORVANE_AUTO_ANSWER"), QStringLiteral("1"));
        // The instance lock lives in the runtime folder; each test has its own.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder_.path());
        process.setProcessEnvironment(environment);
        process.start(ProgramFile(), arguments);
        ProcessOutcome outcome;
        outcome.finished = process.waitForFinished(kProcessTimeoutMs);
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

TEST_F(AppStartupProcess, VersionRequestPrintsTheVersionAndEnds)
{
    const ProcessOutcome outcome = Run({QStringLiteral("--version")});
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.standardOutput.startsWith(QStringLiteral("Setup 1."))) << outcome.standardOutput.toStdString();
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

} // namespace
