#include "ProgramCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

ProgramCopy::ProgramCopy(const QString& programDir, std::uint16_t port)
{
    ready_ = folder_.isValid() && CopyFiles(programDir) && PointSettingsAt(port);
}

// Files, not links: Setup finds its folder through its own file.
bool ProgramCopy::CopyFiles(const QString& programDir)
{
    const QDir source(programDir);
    QDirIterator files(programDir, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = folder_.filePath(source.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).path());
        if (!QFile::copy(from, to))
            return false;
    }
    return QFile::exists(SetupPath());
}

// The shipped fonts and colours stay; only the router's address and port change.
bool ProgramCopy::PointSettingsAt(std::uint16_t port)
{
    QFile file(folder_.filePath(QStringLiteral("setting.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    text.replace(QRegularExpression(QStringLiteral("^LAN IP=.*$"), QRegularExpression::MultilineOption),
                 QStringLiteral("LAN IP=127.0.0.1"));
    text.replace(QStringLiteral("[Setting]"),
                 QStringLiteral("[Setting]\nPort=%1\nAuto Get IP=0").arg(port));
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
