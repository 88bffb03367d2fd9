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
