// Small drawing helpers shared by every picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace DrawKit {

// Pictures are drawn in the logical pixels of the 96-DPI skin; a scale of 2
// draws the "@2x" twins for dense screens with the same drawing code.
void SetPictureScale(int scale);
int PictureScale();

// A canvas of `size` logical pixels at the picture scale.
QImage Canvas(QSize size, QImage::Format format);

// A canvas cleared to transparent; shaped pictures are cut from it later.
QImage TransparentCanvas(QSize size);

// An antialiasing painter with the geometry-friendly defaults.
void Prepare(QPainter& painter);

// Latin pictures use DejaVu Sans, Chinese ones Noto Sans CJK SC.
QFont PictureFont(bool chinese, int pixelSize, bool bold);

QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom);

void RoundedCard(QPainter& painter, const QRectF& rect, qreal radius, const QBrush& fill,
                 const QColor& border, qreal borderWidth);

// A soft shadow below a card, drawn as a few widening translucent outlines.
void CardShadow(QPainter& painter, const QRectF& rect, qreal radius);

// A rounded label with its text centred at `centre`.
void Tag(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
         const QColor& fill, const QColor& ink);

// Text wrapped into a rectangle, centred.
void CentredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 const QColor& ink);

}  // namespace DrawKit
