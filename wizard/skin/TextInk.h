// Where a text's ink falls, measured by drawing it: a slanted face made up
// by the font engine has no metrics for its slant.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

// The ink's bounding box relative to the text's origin on its baseline;
// empty for a text without ink.
QRectF RenderedInkRect(const QFont& font, const QString& text);
