// Splitting of setting texts and parsing of colour triples such as "255,255,0".
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// Returns the number of parts, or -1 for a null text.
int SplitText(const QString* text, QStringList& parts, QChar separator);

// Colour as 0x00BBGGRR; false when the text is not three comma-separated parts.
bool ParseRgb(const QString& text, std::uint32_t& colorRef);
