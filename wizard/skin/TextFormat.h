// Text format flags as stored with the buttons (single line 0x20, vertical
// centre 0x04, centre 0x01, right 0x02, word break 0x10, bottom 0x08) and
// their Qt equivalent.
#pragma once

#include <Qt>

namespace TextFormat {
inline constexpr unsigned kCenter = 0x01;
inline constexpr unsigned kRight = 0x02;
inline constexpr unsigned kVCenter = 0x04;
inline constexpr unsigned kBottom = 0x08;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
} // namespace TextFormat

inline int TextFormatToQtFlags(unsigned format)
{
    int flags = Qt::AlignLeft;
    if (format & TextFormat::kCenter)
        flags = Qt::AlignHCenter;
    else if (format & TextFormat::kRight)
        flags = Qt::AlignRight;
    // Vertical placement only applies to single-line text.
    if ((format & TextFormat::kSingleLine) && (format & TextFormat::kVCenter))
        flags |= Qt::AlignVCenter;
    else if ((format & TextFormat::kSingleLine) && (format & TextFormat::kBottom))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (!(format & TextFormat::kSingleLine) && (format & TextFormat::kWordBreak))
        flags |= Qt::TextWordWrap;
    return flags;
}
