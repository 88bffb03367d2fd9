#include "QrCodeImage.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace {

constexpr int kQuietModules = 4;

struct QrCodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

QImage DrawQrCode(const QString& text, int side)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, QrCodeDeleter> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M));
    if (!code)
        return {};
    const int modules = code->width + 2 * kQuietModules;
    const int scale = side / modules;
    if (scale < 1)
        return {};
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int origin = (side - modules * scale) / 2 + kQuietModules * scale;
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each module byte says dark or light.
            if (code->data[y * code->width + x] & 1)
                painter.fillRect(origin + x * scale, origin + y * scale, scale, scale, Qt::black);
        }
    }
    return image;
}
