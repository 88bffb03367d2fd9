// A QR code drawn from text: black modules on white with the four-module
// quiet zone readers need.
#pragma once

#include <QImage>
#include <QString>

// The largest whole-pixel module size that fits `side`, centred; a null
// image when the text does not fit a QR code.
QImage DrawQrCode(const QString& text, int side);
