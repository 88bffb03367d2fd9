#include "AddressRules.h"

#include <arpa/inet.h>

#include <bit>

bool IsValidHostAddress(std::uint32_t address)
{
    const std::uint32_t first = address >> 24;
    const std::uint32_t last = address & 0xFFu;
    return first != 0 && first != 255 && last != 0 && last != 255;
}

bool IsValidSubnetMask(std::uint32_t mask)
{
    const int ones = std::popcount(mask);
    if (ones == 0)
        return false;
    // Shifting a 32-bit value by 32 is undefined; all 32 ones is the full mask.
    const std::uint32_t leading = ones == 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> ones);
    return mask == (mask & leading);
}

bool IsDifferentSegment(std::uint32_t a, std::uint32_t b, std::uint32_t mask)
{
    return (a & mask) != (b & mask);
}

bool IsValidMacText(const QString& text)
{
    // Character by character: a whole-text upper-casing turns one character
    // into several (U+FB00 into "FF") and lets a non-hex text through.
    QString mac;
    mac.reserve(text.size());
    for (const QChar c : text)
        mac += c.toUpper();
    if (mac.size() != 17)
        return false;
    if (QStringLiteral("13579BDF").contains(mac[1]))
        return false;
    for (qsizetype i = 0; i < mac.size(); ++i) {
        const QChar c = mac[i];
        if (i % 3 == 2) {
            if (c != u':')
                return false;
        } else if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'))) {
            return false;
        }
    }
    return true;
}

QString EscapeFormValue(const QString& text)
{
    static const QString escaped = QStringLiteral("!\"#$%&'+,<>[\\]^`{|}~");
    QString result;
    for (const QChar c : text) {
        if (c.unicode() > 127 || c.unicode() < 10)
            return {};
        if (escaped.contains(c))
            result += u'%' + QString::number(c.unicode(), 16).rightJustified(2, u' ');
        else
            result += c;
    }
    return result;
}

std::uint32_t ParseDottedAddress(const std::string& text)
{
    // The system's parser, so the router's own address forms (octal and hex
    // parts, fewer than four parts) read as every network tool reads them.
    if (text.find('\0') != std::string::npos)
        return INADDR_NONE;
    return ntohl(inet_addr(text.c_str()));
}

std::string FormatDottedAddress(std::uint32_t address)
{
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFFu) + '.'
        + std::to_string((address >> 8) & 0xFFu) + '.' + std::to_string(address & 0xFFu);
}
