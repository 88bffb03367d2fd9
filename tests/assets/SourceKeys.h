// Collects the language keys the program's sources use: GetText("..."),
// GetText(QStringLiteral("...")), LANG_KEY("...") and template captions
// (.caption = "..."), trimmed as the lookup trims them.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class SourceKeys {
public:
    void ScanTree(const QString& root);
    void ScanText(const QString& text, const QString& origin);

    // Key -> first file that uses it.
    const QMap<QString, QString>& Keys() const { return keys_; }

private:
    QMap<QString, QString> keys_;
};
