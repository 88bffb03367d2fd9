// Parses arbitrary bytes as a profile file and looks keys up in it.
#include "ProfileFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ProfileFile file = ProfileFile::Parse(bytes);
    for (const char* key : {"LAN IP", "welcome", "", "a"}) {
        if (const auto value = file.Find(QStringLiteral("Setting"), QString::fromLatin1(key)))
            (void)value->size();
    }
    return 0;
}
