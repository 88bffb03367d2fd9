// Splits arbitrary text at commas and parses it as a colour triple.
#include "TextSplit.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList parts;
    const int count = SplitText(&text, parts, u',');
    if (count != parts.size())
        std::abort();
    std::uint32_t colour = 0;
    if (ParseRgb(text, colour) && colour > 0xFFFFFFu)
        std::abort();
    return 0;
}
