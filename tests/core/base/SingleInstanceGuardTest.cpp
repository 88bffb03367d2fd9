#include "SingleInstanceGuard.h"

#include "TempFiles.h"

#include <QDir>
#include <QProcess>

namespace {

const QString appName = QStringLiteral("Corvane \"Setup\"; Wizard/1");

class HelperProcess {
public:
    explicit HelperProcess(const QString& folder)
    {
        process_.start(QStringLiteral(INSTANCE_HELPER), {folder, appName});
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~HelperProcess()
    {
        process_.kill();
        process_.waitForFinished();
    }
    QString FirstLine()
    {
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    QProcess& Process() { return process_; }

private:
    QProcess process_;
};

TEST(SingleInstanceGuard, SecondProcessEndsWithCodeZero)
{
    TempFolder folder;
    SingleInstanceGuard guard(appName, folder.Path());
    ASSERT_TRUE(guard.TryAcquire());
    EXPECT_TRUE(guard.TryAcquire());

    HelperProcess second(folder.Path());
    EXPECT_EQ(second.FirstLine(), QStringLiteral("second"));
    ASSERT_TRUE(second.Process().waitForFinished(10000));
    EXPECT_EQ(second.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.Process().exitCode(), 0);
}

TEST(SingleInstanceGuard, OtherAppNamesDoNotCollide)
{
    TempFolder folder;
    SingleInstanceGuard one(appName, folder.Path());
    SingleInstanceGuard other(QStringLiteral("Another Wizard"), folder.Path());
    EXPECT_NE(one.SocketPath(), other.SocketPath());
    EXPECT_TRUE(one.TryAcquire());
    EXPECT_TRUE(other.TryAcquire());
}

TEST(SingleInstanceGuard, LockOfACrashedCopyDoesNotBlock)
{
    TempFolder folder;
    {
        HelperProcess crashed(folder.Path());
        ASSERT_EQ(crashed.FirstLine(), QStringLiteral("first"));
        SingleInstanceGuard whileRunning(appName, folder.Path());
        EXPECT_FALSE(whileRunning.TryAcquire());
        crashed.Process().kill();
        ASSERT_TRUE(crashed.Process().waitForFinished(10000));
    }
    ASSERT_FALSE(QDir(folder.Path()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty());
    SingleInstanceGuard next(appName, folder.Path());
    EXPECT_TRUE(next.TryAcquire());
}

} // namespace

namespace {

TEST(SingleInstanceGuard, ReleasedLockIsFreeForTheNextCopy)
{
    TempFolder folder;
    SingleInstanceGuard first(appName, folder.Path());
    ASSERT_TRUE(first.TryAcquire());
    SingleInstanceGuard second(appName, folder.Path());
    EXPECT_FALSE(second.TryAcquire());
    first.Release();
    EXPECT_TRUE(second.TryAcquire());
}

// Where no lock can be made the wizard still runs rather than ending as if
// another copy held it.
TEST(SingleInstanceGuard, FolderWithoutRoomForALockDoesNotStopTheWizard)
{
    TempFolder folder;
    SingleInstanceGuard guard(appName, folder.Path() + QStringLiteral("/missing/folder"));
    EXPECT_TRUE(guard.TryAcquire());
}

} // namespace
