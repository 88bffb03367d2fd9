// The instruction pictures and the language page's choice.
#pragma once

#include <QString>

// The picture of instruction page 1 to 4, named as the program reads it
// (folder ends with its separator): the cn folder for Simplified Chinese,
// the pic folder otherwise, page 4 there named after the language file.
QString InstructionPicturePath(const QString& folder, int page, const QString& languageFile);

// The language file a language button selects: its caption plus ".ini".
QString LanguageFileForCaption(const QString& caption);
