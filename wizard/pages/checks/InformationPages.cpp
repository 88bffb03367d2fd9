#include "InformationPages.h"

#include "LanguageName.h"

namespace {

constexpr int kLastInstructionPage = 4;

} // namespace

QString InstructionPicturePath(const QString& folder, int page, const QString& languageFile)
{
    if (IsSimplifiedChinese(languageFile))
        return folder + QStringLiteral("Skin\\cn\\Setup") + QString::number(page) + QStringLiteral(".bmp");
    if (page == kLastInstructionPage)
        return folder + QStringLiteral("Skin\\pic\\") + LanguageFileStem(languageFile) + QStringLiteral("_Setup4.bmp");
    return folder + QStringLiteral("Skin\\pic\\Setup") + QString::number(page) + QStringLiteral(".bmp");
}

QString LanguageFileForCaption(const QString& caption)
{
    return caption + QStringLiteral(".ini");
}
