#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

namespace {

constexpr int kFirstDisplay = 180;
constexpr int kLastDisplay = 260;

QString SocketOf(int number)
{
    return QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
}

} // namespace

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
    QStringList missing;
    for (const QString& tool : {QStringLiteral("Xvfb"), QStringLiteral("xdotool")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    return missing.join(u' ');
}

bool VirtualDisplay::Start()
{
    for (int number = kFirstDisplay; number <= kLastDisplay; ++number) {
        if (QFile::exists(SocketOf(number)) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        const QString name = QStringLiteral(":%1").arg(number);
        server_.start(QStringLiteral("Xvfb"), {name, QStringLiteral("-screen"), QStringLiteral("0"),
                                               QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                               QStringLiteral("tcp")});
        if (!server_.waitForStarted(10000))
            return false;
        const QDeadlineTimer limit(10000);
        // Waiting on the process also notices a server that gave up.
        bool ended = false;
        while (!QFile::exists(SocketOf(number)) && !ended && !limit.hasExpired())
            ended = server_.waitForFinished(20);
        if (QFile::exists(SocketOf(number)) && server_.state() == QProcess::Running) {
            name_ = name;
            return true;
        }
        Stop();
    }
    return false;
}

bool VirtualDisplay::HasVisibleWindow(qint64 pid) const
{
    QProcess search;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), name_);
    search.setProcessEnvironment(environment);
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(5000);
    return !search.readAllStandardOutput().trimmed().isEmpty();
}
