// Text as a user types or pastes it into the address, key and renewal
// entries: whatever it is, an address read from it is four octets that read
// back the same, numbers stay within their bounds, and the QR code's
// escaping of a network name or key can be undone to the very text.
#include "OctetText.h"
#include "SecurityKeyRules.h"
#include "WifiUri.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString Unescaped(const QString& escaped)
{
    QString text;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == u'\\' && ++i == escaped.size())
            std::abort(); // a lone backslash at the end
        text += escaped[i];
    }
    return text;
}

void CheckAddress(const QString& text)
{
    const auto octets = ParseTypedAddress(text);
    if (!octets)
        return;
    const auto& [a, b, c, d] = *octets;
    if (ParseTypedAddress(QStringLiteral("%1.%2.%3.%4").arg(a).arg(b).arg(c).arg(d)) != octets)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckAddress(text);
    const int octet = OctetValue(text);
    if (octet < 0 || octet > 255 || (!text.isEmpty() && OctetValue(SettledOctet(text)) != octet))
        std::abort();
    const long number = ReadLeadingDecimal(text);
    if (number > 1000000000L || number < -1000000000L
        || IsValidKeyRenewalTime(text) != (number >= 60 && number <= 9999))
        std::abort();
    IsValidWepAsciiKey(text);
    IsValidWepHexKey(text);
    IsValidPassphrase(text);
    if (Unescaped(EscapeWifiUriValue(text)) != text)
        std::abort();
    return 0;
}
