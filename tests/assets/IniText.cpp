#include "IniText.h"

#include <QFile>
#include <QStringDecoder>

bool IniText::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        return false;
    }
    QString section;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
        } else if (!line.startsWith(QLatin1Char(';')) && line.contains(QLatin1Char('='))) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            entries_.append({section, line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
        }
    }
    return true;
}

const IniEntry* IniText::Find(const QString& section, const QString& key) const {
    for (const IniEntry& entry : entries_) {
        if (entry.section.compare(section, Qt::CaseInsensitive) == 0 &&
            entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

QString IniText::Value(const QString& section, const QString& key) const {
    const IniEntry* entry = Find(section, key);
    return entry ? entry->value : QString();
}
