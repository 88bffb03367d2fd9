#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

namespace {

// Terminated, not killed, so that servers remove their sockets and locks.
void EndProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// The first line a server prints once it accepts clients; empty when none came.
QString FirstLine(QProcess& process)
{
    const QDeadlineTimer limit(10000);
    QByteArray line;
    while (!line.endsWith('\n') && process.state() == QProcess::Running && !limit.hasExpired()) {
        process.waitForReadyRead(100);
        line += process.readAllStandardOutput();
    }
    return line.endsWith('\n') ? QString::fromLocal8Bit(line.trimmed()) : QString();
}

} // namespace

VirtualDisplay::~VirtualDisplay()
{
    Stop();
}

void VirtualDisplay::Stop()
{
    EndProcess(bus_);
    EndProcess(server_);
}

QString VirtualDisplay::MissingTools()
{
    QStringList missing;
    for (const QString& tool : {QStringLiteral("Xvfb"), QStringLiteral("dbus-daemon")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    return missing.join(u' ');
}

bool VirtualDisplay::Start()
{
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    bus_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                               QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    const QString number = server_.waitForStarted(10000) ? FirstLine(server_) : QString();
    busAddress_ = bus_.waitForStarted(10000) ? FirstLine(bus_) : QString();
    if (number.isEmpty() || busAddress_.isEmpty()) {
        Stop();
        return false;
    }
    name_ = u':' + number;
    return true;
}

QProcessEnvironment VirtualDisplay::SessionEnvironment(QProcessEnvironment environment) const
{
    environment.insert(QStringLiteral("DISPLAY"), name_);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    return environment;
}
