#include "AddressRules.h"

#include <bit>
#include <string_view>

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
    const QString mac = text.toUpper();
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

namespace {

// One decimal part of 0..255 without leading zeros, or -1.
int ParseOctet(std::string_view part)
{
    if (part.empty() || part.size() > 3 || (part.size() > 1 && part[0] == '0'))
        return -1;
    int value = 0;
    for (const char c : part) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value > 255 ? -1 : value;
}

} // namespace

std::uint32_t ParseDottedAddress(const std::string& text)
{
    constexpr std::uint32_t invalid = 0xFFFFFFFFu;
    std::string_view rest = text;
    std::uint32_t address = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t dot = rest.find('.');
        const bool last = i == 3;
        if (last != (dot == std::string_view::npos))
            return invalid;
        const int octet = ParseOctet(rest.substr(0, dot));
        if (octet < 0)
            return invalid;
        address = (address << 8) | static_cast<std::uint32_t>(octet);
        rest = last ? std::string_view() : rest.substr(dot + 1);
    }
    return address;
}

std::string FormatDottedAddress(std::uint32_t address)
{
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFFu) + '.'
        + std::to_string((address >> 8) & 0xFFu) + '.' + std::to_string(address & 0xFFu);
}
