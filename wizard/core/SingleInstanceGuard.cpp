#include "SingleInstanceGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

QString LockFolder(const QString& folder)
{
    if (!folder.isEmpty())
        return folder;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// The name may hold any character, so the file is named after its hash.
QString LockFileName(const QString& appName)
{
    const QByteArray hash = QCryptographicHash::hash(appName.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("corvane-setup-%1.lock").arg(QString::fromLatin1(hash.left(32)));
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& appName, const QString& folder)
    : lockPath_(LockFolder(folder) + u'/' + LockFileName(appName))
{
}

bool SingleInstanceGuard::TryAcquire()
{
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a dead owner makes a lock stale; a long-running wizard keeps its lock.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

void SingleInstanceGuard::Release()
{
    lock_.reset();
}

QString SingleInstanceGuard::LockPath() const
{
    return lockPath_;
}

QString SingleInstanceGuard::SocketPath() const
{
    QString path = lockPath_;
    path.chop(QStringLiteral(".lock").size());
    return path + QStringLiteral(".socket");
}
