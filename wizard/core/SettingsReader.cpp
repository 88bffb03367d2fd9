#include "SettingsReader.h"

#include "ProfileReader.h"
#include "ProgramFolder.h"

namespace {

QString SettingsFile()
{
    return ResolveProgramPath(GetProgramFolder() + QStringLiteral("setting.ini"));
}

const QString settingSection = QStringLiteral("Setting");
const QString fontSection = QStringLiteral("Font");

} // namespace

QString ApplyTextReplacements(QString text)
{
    text.replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"));
    text.remove(QStringLiteral("[~NULL~]"));
    return text;
}

QString ReadSettingText(const QString& key)
{
    return ApplyTextReplacements(ReadProfileString(SettingsFile(), settingSection, key, key, 1024));
}

QString ReadFontSetting(const QString& key)
{
    return ApplyTextReplacements(ReadProfileString(SettingsFile(), fontSection, key, key, 4096));
}

QString ReadFontFace()
{
    return ReadFontValue(QStringLiteral("FontName"), QStringLiteral("Arial"), 128);
}

QString ReadSettingPlain(const QString& key)
{
    return ReadSetting(key, key, 4096);
}

QString ReadSetting(const QString& key, const QString& defaultValue, int room)
{
    return ReadProfileString(SettingsFile(), settingSection, key, defaultValue, room);
}

QString ReadFontValue(const QString& key, const QString& defaultValue, int room)
{
    return ReadProfileString(SettingsFile(), fontSection, key, defaultValue, room);
}
