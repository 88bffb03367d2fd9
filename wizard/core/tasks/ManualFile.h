// Which PDF the Manual button opens: one manual for every language, or one
// per language named after the language file.
#pragma once

#include "CLanguageTable.h"

#include <QString>

// folder ends with its separator; choice is the "Manual" setting as read
// (the key itself when absent).
QString ManualFilePath(const QString& folder, const QString& stem, const QString& languageFile,
                       const QString& choice);

// The same with the program folder and the "Manual Path" and "Manual" settings.
QString ManualFileForSettings(const CLanguageTable& language);
