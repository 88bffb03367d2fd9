// What the address entry decides about the text of its octets, kept apart
// from the widget so the typing rules read and test as plain code.
#pragma once

#include <QString>

#include <array>
#include <optional>

// The octet's number; an empty octet reads as 0, anything above 255 as 255.
int OctetValue(const QString& text);
// What the octet shows at once after an edit: a number above 255 becomes 255.
QString ClampedOctet(const QString& text);
// No further digit could follow: three digits, or a value whose next digit
// would pass 255 (26 and up).
bool IsCompleteOctet(const QString& text);
// What the octet shows once it is left: leading zeros dropped; empty stays empty.
QString SettledOctet(const QString& text);
// A whole dotted address as pasted or typed: four decimal parts of one to
// three digits, blanks around it ignored, parts above 255 clamped.
std::optional<std::array<int, 4>> ParseTypedAddress(const QString& text);
