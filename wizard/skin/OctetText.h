// What the address entry decides about the text of its octets, kept apart
// from the widget so the typing rules read and test as plain code.
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <utility>

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

// A place in the address between two characters: the octet and the caret
// position inside it. The dot between two octets is one character wide.
struct AddressPoint {
    int octet = 0;
    int position = 0;
    friend bool operator==(const AddressPoint&, const AddressPoint&) = default;
};
using OctetLengths = std::array<int, 4>;

// The place one character to the left or right, across a dot to the
// neighbouring octet's edge; the address's own ends stay where they are.
AddressPoint StepLeft(AddressPoint point, const OctetLengths& lengths);
AddressPoint StepRight(AddressPoint point, const OctetLengths& lengths);
// The place counted from the start of the address shown with its dots.
int AddressOffset(AddressPoint point, const OctetLengths& lengths);
// The part of one octet that lies between `anchor` and `head`, as the two
// positions to select from and to: the second is on the head's side, where
// the caret stays. Equal positions when none of the octet lies between.
std::pair<int, int> OctetPart(AddressPoint anchor, AddressPoint head, int octet, const OctetLengths& lengths);
