// One parsed INI file: the first value of every section and key, looked up
// ignoring case and surrounding blanks.
#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <utility>

class ProfileFile {
public:
    // Accepts UTF-8 with or without BOM and UTF-16LE with BOM.
    static ProfileFile Parse(const QByteArray& bytes);

    std::optional<QString> Find(const QString& section, const QString& key) const;

private:
    using Name = std::pair<QString, QString>;
    static QString Fold(const QString& name);
    static QString Unquote(const QString& value);
    void AddLine(const QString& line, QString& section);

    std::map<Name, QString> values_;
};
