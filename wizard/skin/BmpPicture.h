// Reads the uncompressed true-colour BMP files the skins ship as straight
// into a picture. It looks up no image plugin, so it may run before the
// application object exists; any other layout is left to Qt's reader.
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>

// The picture in `data`, in Qt's RGB32 as Qt's own reader gives it; nullopt
// when the bytes are not a whole 24- or 32-bit uncompressed BMP.
std::optional<QImage> DecodeTrueColourBmp(const std::uint8_t* data, std::int64_t size);
