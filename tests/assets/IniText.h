// A plain reader of the shipped INI files, independent of the program's own
// profile reader, so the files are checked as they are written.
#pragma once

#include <QList>
#include <QString>

struct IniEntry {
    QString section;
    QString key;
    QString value;
};

class IniText {
public:
    // False when the file cannot be read or is not valid UTF-8.
    bool Load(const QString& path);

    const QList<IniEntry>& Entries() const { return entries_; }
    // First entry of the section with the key, compared ignoring case.
    const IniEntry* Find(const QString& section, const QString& key) const;
    QString Value(const QString& section, const QString& key) const;

private:
    QList<IniEntry> entries_;
};
