#include "OctetText.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr int kOctetMax = 255;

bool IsDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

int OctetValue(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::clamp(value, 0, kOctetMax) : 0;
}

QString ClampedOctet(const QString& text)
{
    return text.toInt() > kOctetMax ? QString::number(kOctetMax) : text;
}

bool IsCompleteOctet(const QString& text)
{
    return !text.isEmpty() && (text.size() >= 3 || text.toInt() * 10 > kOctetMax);
}

QString SettledOctet(const QString& text)
{
    return text.isEmpty() ? text : QString::number(OctetValue(text));
}

std::optional<std::array<int, 4>> ParseTypedAddress(const QString& text)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<int, 4> octets{};
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const QString& part = parts[static_cast<qsizetype>(i)];
        if (part.isEmpty() || part.size() > 3 || !IsDigits(part))
            return std::nullopt;
        octets[i] = OctetValue(part);
    }
    return octets;
}

AddressPoint StepLeft(AddressPoint point, const OctetLengths& lengths)
{
    if (point.position > 0)
        return {point.octet, point.position - 1};
    if (point.octet == 0)
        return point;
    return {point.octet - 1, lengths[static_cast<std::size_t>(point.octet - 1)]};
}

AddressPoint StepRight(AddressPoint point, const OctetLengths& lengths)
{
    if (point.position < lengths[static_cast<std::size_t>(point.octet)])
        return {point.octet, point.position + 1};
    if (point.octet == static_cast<int>(lengths.size()) - 1)
        return point;
    return {point.octet + 1, 0};
}

int AddressOffset(AddressPoint point, const OctetLengths& lengths)
{
    int offset = point.position;
    for (int i = 0; i < point.octet; ++i)
        offset += lengths[static_cast<std::size_t>(i)] + 1;
    return offset;
}

std::pair<int, int> OctetPart(AddressPoint anchor, AddressPoint head, int octet, const OctetLengths& lengths)
{
    const int length = lengths[static_cast<std::size_t>(octet)];
    const auto inOctet = [octet, length](AddressPoint point) {
        if (point.octet < octet)
            return 0;
        return point.octet > octet ? length : point.position;
    };
    return {inOctet(anchor), inOctet(head)};
}
