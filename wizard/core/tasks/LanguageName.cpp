#include "LanguageName.h"

namespace {

constexpr int kExtensionLength = 4; // ".ini"

} // namespace

QString LanguageFileStem(const QString& languageFile)
{
    if (languageFile.size() < kExtensionLength)
        return languageFile;
    return languageFile.chopped(kExtensionLength);
}

bool IsSimplifiedChinese(const QString& languageFile)
{
    return LanguageFileStem(languageFile) == QStringLiteral("SimpChinese");
}
