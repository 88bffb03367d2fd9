// Every visible text passes through here: a key looked up in the chosen
// language file, the key itself when missing, "[~NULL~]" as empty.
#pragma once

#include <QString>

// Marks a language key kept in a table and looked up later, so the check
// that every shipped language has every key can find it.
#define LANG_KEY(key) key

class CLanguageTable {
public:
    // Read when no language file has been chosen.
    static constexpr char kDefaultLanguageFile[] = "English.ini";

    void SetLanguageFile(const QString& name);
    QString GetLanguageFile() const;
    QString GetText(const QString& key) const;
    // The lookup half of TranslateDialog: the caption to set, or an empty
    // text when the caption is to stay as it is.
    QString TranslateCaption(const QString& caption) const;

private:
    QString languageFile_;
};
