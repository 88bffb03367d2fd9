#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

VirtualDisplay::~VirtualDisplay()
{
    Stop();
}

// Terminated, not killed, so the server removes its socket and lock.
void VirtualDisplay::Stop()
{
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
}

QString VirtualDisplay::MissingTools()
{
    return QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ? QStringLiteral("Xvfb") : QString();
}

// Xvfb picks a free display and writes its number once it accepts clients.
bool VirtualDisplay::Start()
{
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted(10000))
        return false;
    const QDeadlineTimer limit(10000);
    QByteArray number;
    while (!number.endsWith('\n') && server_.state() == QProcess::Running && !limit.hasExpired()) {
        server_.waitForReadyRead(100);
        number += server_.readAllStandardOutput();
    }
    if (!number.endsWith('\n')) {
        Stop();
        return false;
    }
    name_ = u':' + QString::fromLatin1(number.trimmed());
    return true;
}
