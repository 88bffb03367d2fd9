// Writers of the picture formats the program reads from its Skin folder.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

// Windows bitmap, 24 bits per pixel, bottom-up, 96 DPI.
bool WriteBmp24(const QImage& image, const QString& path);

// Icon file: sizes below 256 as 32-bit bitmaps with mask, 256 as PNG.
bool WriteIco(const QList<QImage>& images, const QString& path);

// Cursor file with one 32-bit image and its hot spot.
bool WriteCur(const QImage& image, QPoint hotSpot, const QString& path);
