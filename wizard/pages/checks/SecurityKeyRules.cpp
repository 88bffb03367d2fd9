#include "SecurityKeyRules.h"

#include <algorithm>

namespace {

constexpr int kWepShortKey = 5;
constexpr int kWepLongKey = 13;
constexpr int kWepShortHexKey = 10;
constexpr int kWepLongHexKey = 26;
constexpr int kPassphraseMin = 8;
constexpr int kPassphraseMax = 63;
constexpr long kRenewalMin = 60;
constexpr long kRenewalMax = 9999;
// Reading stops growing here; any larger value is invalid all the same.
constexpr long kReadCeiling = 1000000000L;

bool IsAsciiLetterOrDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
}

bool IsHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool IsWhiteSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

bool AllOf(const QString& text, bool (*accepts)(QChar))
{
    return std::all_of(text.begin(), text.end(), accepts);
}

} // namespace

bool IsValidWepAsciiKey(const QString& key)
{
    return (key.size() == kWepShortKey || key.size() == kWepLongKey) && AllOf(key, IsAsciiLetterOrDigit);
}

bool IsValidPassphrase(const QString& passphrase)
{
    return passphrase.size() >= kPassphraseMin && passphrase.size() <= kPassphraseMax
        && AllOf(passphrase, IsAsciiLetterOrDigit);
}

bool IsValidWepHexKey(const QString& key)
{
    return (key.size() == kWepShortHexKey || key.size() == kWepLongHexKey) && AllOf(key, IsHexDigit);
}

long ReadLeadingDecimal(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && IsWhiteSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kReadCeiling);
    return negative ? -value : value;
}

bool IsValidKeyRenewalTime(const QString& text)
{
    const long value = ReadLeadingDecimal(text);
    return value >= kRenewalMin && value <= kRenewalMax;
}
