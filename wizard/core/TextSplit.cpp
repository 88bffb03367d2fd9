#include "TextSplit.h"

namespace {

// Index of the quote closing the stretch opened at `open`, or -1.
qsizetype ClosingQuote(const QString& text, qsizetype open)
{
    const QChar quote = text[open];
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] == quote && text[i - 1] != u'\\')
            return i;
    }
    return -1;
}

// Low 8 bits of the number atoi would read: blanks, a sign, then digits.
std::uint32_t ColourPart(const QString& part)
{
    const QByteArray narrow = part.toLocal8Bit();
    qsizetype i = 0;
    while (i < narrow.size() && (narrow[i] == ' ' || (narrow[i] >= '\t' && narrow[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < narrow.size() && (narrow[i] == '-' || narrow[i] == '+'))
        negative = narrow[i++] == '-';
    std::uint32_t value = 0;
    for (; i < narrow.size() && narrow[i] >= '0' && narrow[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(narrow[i] - '0');
    return (negative ? 0u - value : value) & 0xFFu;
}

} // namespace

int SplitText(const QString* text, QStringList& parts, QChar separator)
{
    if (!text)
        return -1;
    parts.clear();
    QString current;
    for (qsizetype i = 0; i < text->size(); ++i) {
        const QChar c = (*text)[i];
        if (c == separator) {
            parts.append(current);
            current.clear();
        } else if (c == u'"' || c == u'\'') {
            const qsizetype close = ClosingQuote(*text, i);
            const qsizetype end = close < 0 ? text->size() : close;
            current += text->mid(i + 1, end - i - 1);
            i = end;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        parts.append(current);
    return static_cast<int>(parts.size());
}

bool ParseRgb(const QString& text, std::uint32_t& colorRef)
{
    QStringList parts;
    if (SplitText(&text, parts, u',') != 3)
        return false;
    colorRef = ColourPart(parts[0]) + 256u * ColourPart(parts[1]) + 65536u * ColourPart(parts[2]);
    return true;
}
