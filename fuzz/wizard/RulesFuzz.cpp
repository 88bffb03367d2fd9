// Runs the address, MAC and escaping rules over arbitrary input and checks
// their invariants.
#include "AddressRules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint32_t address = ParseDottedAddress(bytes);
    if (ParseDottedAddress(FormatDottedAddress(address)) != address)
        std::abort();

    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    IsValidMacText(text);
    const QString escaped = EscapeFormValue(text);
    for (const QChar c : escaped) {
        if (c.unicode() > 127 || c.unicode() < 10 || QStringLiteral("!\"#$&'+,<>[\\]^`{|}~").contains(c))
            std::abort();
    }

    if (size >= 12) {
        std::uint32_t values[3];
        std::memcpy(values, data, sizeof values);
        IsValidHostAddress(values[0]);
        if (IsValidSubnetMask(values[1]) && (values[1] == 0 || (~values[1] & (~values[1] + 1)) != 0))
            std::abort();
        IsDifferentSegment(values[0], values[2], values[1]);
    }
    return 0;
}
