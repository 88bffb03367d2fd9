// Pixels of exactly the key colour are cut out of a window or a button by
// the skin toolkit; no other pixel of a picture may carry it.
#pragma once

#include <QColor>
#include <QImage>

inline const QColor kKeyColour{255, 255, 0};

// Opaque copy of a picture drawn on a transparent canvas: pixels less than
// half covered become the key colour, all others keep their own colour.
QImage CutToKeyColour(const QImage& drawn);

// Opaque copy in which no pixel happens to be the key colour.
QImage AvoidKeyColour(const QImage& drawn);
