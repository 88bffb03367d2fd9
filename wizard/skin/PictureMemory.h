// Pixel memory for large pictures, in 2 MB pages where the system grants
// them. A fresh buffer otherwise takes one page fault per 4 KB when first
// written, which on virtual machines costs more than filling it.
#pragma once

#include <QImage>

// An empty picture of the size and 32-bit format, its pixels not cleared;
// a null picture when no memory is left.
QImage AllocateLargePicture(int width, int height, QImage::Format format);
