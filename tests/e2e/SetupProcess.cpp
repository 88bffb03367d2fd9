#include "SetupProcess.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <csignal>
#include <unistd.h>

namespace {

constexpr int kEndTimeoutMs = 10000;

} // namespace

SetupProcess::SetupProcess(const QString& programDir, std::uint16_t port)
{
    prepared_ = folder_.isValid() && runtime_.isValid() && CopyProgram(programDir)
        && WriteSettings(programDir, port) && WriteLinkRecorder();
}

SetupProcess::~SetupProcess()
{
    KillSession();
}

bool SetupProcess::CopyProgram(const QString& programDir)
{
    const QDir source(programDir);
    QDirIterator files(programDir, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = folder_.filePath(QStringLiteral("program/") + source.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).path());
        if (!QFile::copy(from, to))
            return false;
    }
    const QString setup = folder_.filePath(QStringLiteral("program/Setup"));
    return QFile::setPermissions(setup, QFile::permissions(setup) | QFile::ExeOwner);
}

// The shipped fonts and colours stay; the router, its port and the pauses
// are this test's.
bool SetupProcess::WriteSettings(const QString& programDir, std::uint16_t port)
{
    QFile shipped(QDir(programDir).filePath(QStringLiteral("setting.ini")));
    if (!shipped.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = shipped.readAll();
    const qsizetype font = text.indexOf("[Font]");
    QByteArray settings = "[Setting]\nDefault Language=English.ini\nLAN IP=127.0.0.1\nPort=" + QByteArray::number(port)
        + "\nUser Name=admin\nPassword=qzmvx\nMulti Language=0\nAuto Get IP=0\nWait Scale Percent=1\n\n";
    if (font >= 0)
        settings += text.mid(font);
    QFile file(folder_.filePath(QStringLiteral("program/setting.ini")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(settings) == settings.size();
}

// Finish opens the web link; a recorder stands in for the desktop's opener.
bool SetupProcess::WriteLinkRecorder()
{
    QDir().mkpath(folder_.filePath(QStringLiteral("bin")));
    const QString opener = folder_.filePath(QStringLiteral("bin/xdg-open"));
    QFile file(opener);
    const QByteArray script = "#!/bin/sh\necho \"$1\" >> '" + folder_.filePath(QStringLiteral("opened")).toUtf8() + "'\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size())
        return false;
    file.close();
    return QFile::setPermissions(opener, QFile::permissions(opener) | QFile::ExeOwner);
}

QString SetupProcess::OpenedLinks() const
{
    QFile file(folder_.filePath(QStringLiteral("opened")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

bool SetupProcess::Start(const QString& display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.insert(QStringLiteral("PATH"),
                       folder_.filePath(QStringLiteral("bin")) + u':' + environment.value(QStringLiteral("PATH")));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.setChildProcessModifier([] { ::setsid(); });
    process_.start(folder_.filePath(QStringLiteral("program/Setup")), {});
    if (!process_.waitForStarted(kEndTimeoutMs))
        return false;
    pid_ = process_.processId();
    return true;
}

std::optional<int> SetupProcess::WaitForExit(int limitMs)
{
    if (!process_.waitForFinished(limitMs) || process_.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process_.exitCode();
}

void SetupProcess::KillSession()
{
    // Setup leads its own session: the whole group goes, helpers included.
    if (pid_ > 0)
        ::kill(static_cast<pid_t>(-pid_), SIGKILL);
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kEndTimeoutMs);
    }
}
