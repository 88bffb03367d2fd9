#include "ProfileFile.h"

#include <QStringList>

namespace {

QString DecodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        const QByteArray body = bytes.mid(2);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(body.constData()), body.size() / 2);
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return QString::fromUtf8(bytes);
}

} // namespace

ProfileFile ProfileFile::Parse(const QByteArray& bytes)
{
    ProfileFile file;
    QString section;
    const QStringList lines = DecodeText(bytes).split(u'\n');
    for (const QString& line : lines)
        file.AddLine(line, section);
    return file;
}

std::optional<QString> ProfileFile::Find(const QString& section, const QString& key) const
{
    const auto it = values_.find({Fold(section), Fold(key)});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

QString ProfileFile::Fold(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

QString ProfileFile::Unquote(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

void ProfileFile::AddLine(const QString& rawLine, QString& section)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(u';'))
        return;
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        section = Fold(close < 0 ? line.mid(1) : line.mid(1, close - 1));
        return;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    // emplace keeps the first occurrence, as the system's reader does.
    values_.emplace(Name{section, Fold(line.left(equals))}, Unquote(line.mid(equals + 1).trimmed()));
}
