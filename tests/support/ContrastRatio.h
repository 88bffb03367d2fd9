// WCAG's contrast ratio of two colours, from their relative luminance:
// 1 for the same colour, 21 for black on white.
#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

inline double RelativeLuminance(QRgb color)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(color)) + 0.7152 * linear(qGreen(color)) + 0.0722 * linear(qBlue(color));
}

inline double ContrastRatio(QRgb first, QRgb second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
