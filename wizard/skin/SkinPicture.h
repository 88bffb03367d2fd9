// Reads the pictures that ship beside the program and prepares them for
// painting: on screens denser than 1:1, and for smooth window edges, the
// "@2x" picture beside the plain one is preferred, and the key colour
// becomes transparent so that scaled edges blend instead of showing the key.
#pragma once

#include "ColorRef.h"

#include <QImage>
#include <QString>

class QPainter;
class QRectF;

// The picture at a program-folder path (Windows separators allowed), read as
// the format its name says. Guessing the format instead makes Qt load every
// image plugin it has before the first window shows; a file whose content
// does not match its name reads as no picture.
QImage ReadSkinPicture(const QString& path);

// "name@2x.bmp" for "name.bmp" when `dense` and that file exists; else the path itself.
QString DensePicturePath(const QString& path, bool dense);

// The picture, or its twin with a pixel ratio of 2 when `dense` finds one.
QImage ReadSkinImage(const QString& path, bool dense);

// Every pixel of exactly the key colour becomes fully transparent; a source
// held nowhere else is changed in place.
QImage WithKeyTransparent(QImage source, ColorRef keyColor);

// True when the screens scale pictures by more than 1.
bool ScreensAreDense();

// What a skin at `path` (already resolved) paints: its denser twin when
// asked and readable, key colour transparent, else `plain` so prepared.
// Null when nothing could be read.
QImage LoadPaintPicture(QImage plain, const QString& path, ColorRef keyColor, bool dense);

// Draws the picture over `target` in logical pixels, smoothly scaled.
void DrawPictureSmooth(QPainter& painter, const QRectF& target, const QImage& picture);
