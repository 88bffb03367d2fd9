// Colours as the skin files and settings give them: 0x00BBGGRR, −1 for "not set".
#pragma once

#include <QColor>

#include <cstdint>

using ColorRef = std::int32_t;
inline constexpr ColorRef kNoColor = -1;

constexpr ColorRef MakeColorRef(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

inline QColor ToQColor(ColorRef color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The key colour every skin picture uses for its transparent outside: yellow.
inline constexpr ColorRef kSkinKeyColor = MakeColorRef(255, 255, 0);

inline ColorRef FromQColor(const QColor& color)
{
    return MakeColorRef(color.red(), color.green(), color.blue());
}
