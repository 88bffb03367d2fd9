// The language file name without its ".ini", and the Simplified-Chinese
// test several pages make on it.
#pragma once

#include <QString>

// The name without its last four characters; a name shorter than four
// characters has no extension to cut and is returned whole.
QString LanguageFileStem(const QString& languageFile);

// True only for a stem of exactly "SimpChinese" (letter case counts).
bool IsSimplifiedChinese(const QString& languageFile);
