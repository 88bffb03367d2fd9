#include "CLanguageTable.h"

#include "ProfileReader.h"
#include "ProgramFolder.h"
#include "SettingsReader.h"

void CLanguageTable::SetLanguageFile(const QString& name)
{
    languageFile_ = name;
}

QString CLanguageTable::GetLanguageFile() const
{
    return languageFile_;
}

QString CLanguageTable::GetText(const QString& key) const
{
    const QString name = languageFile_.isEmpty() ? QString::fromLatin1(kDefaultLanguageFile) : languageFile_;
    const QString file = ResolveProgramPath(GetProgramFolder() + QStringLiteral("Language\\") + name);
    return ApplyTextReplacements(ReadProfileString(file, QStringLiteral("String"), key, key, 4096));
}

QString CLanguageTable::TranslateCaption(const QString& caption) const
{
    const QString text = GetText(caption);
    return text == caption ? QString() : text;
}
