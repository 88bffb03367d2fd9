#include "X11Session.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>

#include <thread>

namespace {

constexpr int kToolTimeoutMs = 10000;

bool HasTool(const char* name)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

// Runs a tool on `display` to its end; false when it had to be killed.
bool RunOnDisplay(QProcess& tool, const QString& display, const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (tool.waitForFinished(kToolTimeoutMs))
        return true;
    tool.kill();
    tool.waitForFinished(kToolTimeoutMs);
    return false;
}

} // namespace

bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20)); // real-wait: polling other processes
    }
    return true;
}

X11Session::~X11Session()
{
    StopServer();
}

// Terminated rather than killed, so the server removes its lock file.
void X11Session::StopServer()
{
    if (server_ && server_->state() != QProcess::NotRunning) {
        server_->terminate();
        if (!server_->waitForFinished(kToolTimeoutMs)) {
            server_->kill();
            server_->waitForFinished(kToolTimeoutMs);
        }
    }
}

QString X11Session::MissingTools()
{
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool", "xwd"}) {
        if (!HasTool(tool))
            missing << QString::fromLatin1(tool);
    }
    return missing.join(QStringLiteral(", "));
}

// Xvfb picks a free display itself and prints its number once it takes
// clients: a number picked here could race another test's server.
bool X11Session::Start()
{
    server_ = std::make_unique<QProcess>();
    server_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                             QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                             QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_->waitForStarted(kToolTimeoutMs))
        return false;
    QByteArray number;
    const QDeadlineTimer limit(kToolTimeoutMs);
    while (!number.endsWith('\n') && server_->state() == QProcess::Running && !limit.hasExpired()) {
        server_->waitForReadyRead(100);
        number += server_->readAllStandardOutput();
    }
    if (!number.endsWith('\n')) {
        StopServer();
        return false;
    }
    display_ = u':' + QString::fromLatin1(number.trimmed());
    return true;
}

QString X11Session::XdoTool(const QStringList& arguments) const
{
    QProcess tool;
    if (!RunOnDisplay(tool, display_, QStringLiteral("xdotool"), arguments))
        return {};
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QStringList X11Session::WindowsOf(qint64 pid) const
{
    const QString out = XdoTool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                 QString::number(pid)});
    return out.split(u'\n', Qt::SkipEmptyParts);
}

// A window that has only just been mapped may refuse the focus; keys sent
// then would be lost, so the focus is checked and asked for again.
bool X11Session::FocusWindow(const QString& window) const
{
    return PollUntil(
        [&] {
            XdoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
            return XdoTool({QStringLiteral("getwindowfocus")}) == window;
        },
        std::chrono::seconds(10));
}

QString X11Session::WindowSize(const QString& window) const
{
    QString width;
    QString height;
    const QString shell = XdoTool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    for (const QString& line : shell.split(u'\n')) {
        if (line.startsWith(QStringLiteral("WIDTH=")))
            width = line.mid(6);
        else if (line.startsWith(QStringLiteral("HEIGHT=")))
            height = line.mid(7);
    }
    return width + u'x' + height;
}

void X11Session::Keys(const QStringList& keys) const
{
    XdoTool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
}

void X11Session::Type(const QString& text) const
{
    XdoTool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

QByteArray X11Session::Capture() const
{
    QProcess tool;
    if (!RunOnDisplay(tool, display_, QStringLiteral("xwd"), {QStringLiteral("-root"), QStringLiteral("-silent")}))
        return {};
    return tool.readAllStandardOutput();
}

void X11Session::Screenshot(const QString& directory, const QString& name) const
{
    QDir().mkpath(directory);
    QProcess tool;
    if (HasTool("import"))
        RunOnDisplay(tool, display_, QStringLiteral("import"),
                     {QStringLiteral("-window"), QStringLiteral("root"),
                      QDir(directory).filePath(name + QStringLiteral(".png"))});
    else
        RunOnDisplay(tool, display_, QStringLiteral("xwd"),
                     {QStringLiteral("-root"), QStringLiteral("-silent"), QStringLiteral("-out"),
                      QDir(directory).filePath(name + QStringLiteral(".xwd"))});
}
