#include "KeyColour.h"

namespace {

const QRgb kKey = kKeyColour.rgb();
const QRgb kNearKey = qRgb(254, 254, 0);

QImage Opaque(const QImage& drawn, bool cutTransparent) {
    QImage straight = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage out(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb rgb = qRgb(qRed(src[x]), qGreen(src[x]), qBlue(src[x]));
            if (cutTransparent && qAlpha(src[x]) < 128) {
                dst[x] = kKey;
            } else {
                dst[x] = rgb == kKey ? kNearKey : rgb;
            }
        }
    }
    return out;
}

}  // namespace

QImage CutToKeyColour(const QImage& drawn) { return Opaque(drawn, true); }

QImage AvoidKeyColour(const QImage& drawn) { return Opaque(drawn, false); }
