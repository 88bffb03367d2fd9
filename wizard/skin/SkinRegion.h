// Window shapes: the region of a skin picture without its key colour, and
// the rounded rectangle of the progress dialog.
#pragma once

#include "ColorRef.h"

#include <QImage>
#include <QRegion>
#include <QSize>

// Every pixel whose red, green and blue equal the key exactly is left out;
// rows are scanned for runs, so the region is built from few rectangles.
QRegion RegionFromImage(const QImage& image, ColorRef keyColor);

// A rectangle of the given size whose corners are ellipses of ellipse × ellipse.
QRegion RoundedRectRegion(QSize size, int ellipse);
