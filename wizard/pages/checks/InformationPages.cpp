#include "InformationPages.h"

#include "CLanguageTable.h"
#include "LanguageName.h"

#include <array>

namespace {

constexpr int kLastInstructionPage = 4;

constexpr std::array<FrameText, 8> kFrameTexts{{
    {1018, LANG_KEY("Next")},
    {1082, LANG_KEY("Back")},
    {1151, LANG_KEY("Manual")},
    {1083, LANG_KEY("Exit")},
    {1147, LANG_KEY("webURL")},
    {1213, LANG_KEY("Model No.")},
    {1215, LANG_KEY("Version No.")},
    {1214, LANG_KEY("Product Name")},
}};

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

std::span<const FrameText> FrameTextsAfterLanguageChoice()
{
    return kFrameTexts;
}
