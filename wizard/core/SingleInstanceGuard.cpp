#include "SingleInstanceGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>

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

// An advisory lock on the file: the kernel drops it with its holder, so a
// crashed copy never blocks the next, and taking it writes nothing to disk.
bool SingleInstanceGuard::TryAcquire()
{
    if (held_)
        return true;
    lockFile_ = FileDescriptor(::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lockFile_.IsOpen()) {
        held_ = true;
        return true;
    }
    int result = 0;
    do {
        result = ::flock(lockFile_.Get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0 && errno == EWOULDBLOCK) {
        Release();
        return false;
    }
    held_ = true;
    return true;
}

void SingleInstanceGuard::Release()
{
    lockFile_.Close();
    held_ = false;
}

QString SingleInstanceGuard::SocketPath() const
{
    QString path = lockPath_;
    path.chop(QStringLiteral(".lock").size());
    return path + QStringLiteral(".socket");
}
