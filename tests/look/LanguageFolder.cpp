#include "LanguageFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

LanguageFolder::LanguageFolder(const QString& builtFolder, const QString& language, int routerPort)
{
    LinkEntries(builtFolder);
    WriteSettings(builtFolder, language, routerPort);
}

QString LanguageFolder::Path() const
{
    return dir_.path() + u'/';
}

void LanguageFolder::LinkEntries(const QString& builtFolder) const
{
    const QDir built(builtFolder);
    for (const QString& name : built.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (name.compare(QStringLiteral("setting.ini"), Qt::CaseInsensitive) != 0)
            QFile::link(built.absoluteFilePath(name), Path() + name);
    }
}

// The shipped settings with the language, the router address and port
// replaced; the adapter reset stays off so nothing touches this machine.
void LanguageFolder::WriteSettings(const QString& builtFolder, const QString& language, int routerPort) const
{
    QFile shipped(builtFolder + QStringLiteral("/setting.ini"));
    if (!shipped.open(QIODevice::ReadOnly))
        return;
    QString text = QString::fromUtf8(shipped.readAll());
    const auto replace = [&text](const char* key, const QString& value) {
        const QRegularExpression line(QStringLiteral("^%1=.*$").arg(QLatin1String(key)),
                                      QRegularExpression::MultilineOption);
        text.replace(line, QLatin1String(key) + u'=' + value);
    };
    replace("Default Language", language + QStringLiteral(".ini"));
    replace("LAN IP", QStringLiteral("127.0.0.1"));
    text.replace(QRegularExpression(QStringLiteral("^\\[Setting\\]$"), QRegularExpression::MultilineOption),
                 QStringLiteral("[Setting]\nPort=%1\nAuto Get IP=0").arg(routerPort));
    QFile written(Path() + QStringLiteral("setting.ini"));
    if (written.open(QIODevice::WriteOnly | QIODevice::Truncate))
        written.write(text.toUtf8());
}
