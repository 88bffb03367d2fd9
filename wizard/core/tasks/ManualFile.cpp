#include "ManualFile.h"

#include "LanguageName.h"
#include "ProgramFolder.h"
#include "SettingsReader.h"

QString ManualFilePath(const QString& folder, const QString& stem, const QString& languageFile,
                       const QString& choice)
{
    if (!choice.isEmpty() && choice != QStringLiteral("Manual"))
        return QStringLiteral("%1%2.pdf").arg(folder, stem);
    return QStringLiteral("%1%2_%3.pdf").arg(folder, stem, LanguageFileStem(languageFile));
}

QString ManualFileForSettings(const CLanguageTable& language)
{
    const QString stem = ReadSetting(QStringLiteral("Manual Path"), QString(), 128);
    const QString choice = ReadSettingPlain(QStringLiteral("Manual"));
    return ManualFilePath(GetProgramFolder(), stem, language.GetLanguageFile(), choice);
}
