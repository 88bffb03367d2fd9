#include "TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray IniSection(const char* section, const TestProgramFolder::Settings& values)
{
    QByteArray text = QByteArray("[") + section + "]\n";
    for (const auto& [key, value] : values)
        text += key.toUtf8() + '=' + value.toUtf8() + '\n';
    return text;
}

} // namespace

TestProgramFolder::TestProgramFolder(const Settings& settings)
{
    Settings all = settings;
    all[QStringLiteral("Auto Get IP")] = QStringLiteral("0");
    WriteFile(QStringLiteral("setting.ini"), IniSection("Setting", all));
}

QString TestProgramFolder::Path() const
{
    return dir_.path() + u'/';
}

void TestProgramFolder::WriteFile(const QString& relativePath, const QByteArray& contents) const
{
    const QString path = Path() + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

void TestProgramFolder::WriteLanguage(const QString& fileName, const Settings& texts) const
{
    WriteFile(QStringLiteral("Language/") + fileName, IniSection("String", texts));
}
