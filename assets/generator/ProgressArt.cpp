#include "ProgressArt.h"

#include "DeviceArt.h"
#include "DrawKit.h"
#include "KeyColour.h"
#include "Palette.h"
#include "SkinGeometry.h"

#include <QPainter>

namespace {

// The window shows the picture from pixel (5, 5) on, so everything sits at
// least that far inside; the text line below stays on plain white.
void PaintStatic(QPainter& painter) {
    const QRectF all(QPoint(0, 0), SkinGeometry::kProgress);
    painter.fillRect(all, DrawKit::Vertical(all, Palette::kMist, QColor(226, 238, 245)));
    DrawKit::RoundedCard(painter, QRectF(14, 90, 425, 36), 10, Palette::kWhite, Palette::kLine, 1);
}

void PaintDots(QPainter& painter, int frame) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 1; i <= 5; ++i) {
        const QPointF centre(178 + (i - 1) * 22, 58);
        const bool current = i == frame;
        painter.setBrush(i <= frame ? Palette::kTeal : Palette::kLine);
        painter.drawEllipse(centre, current ? 6.0 : 4.0, current ? 6.0 : 4.0);
    }
    painter.restore();
}

}  // namespace

QImage ProgressArt::Picture(int frame) {
    QImage image(SkinGeometry::kProgress, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    PaintStatic(painter);
    DeviceArt art(painter);
    art.Computer(QRectF(92, 18, 68, 64));
    PaintDots(painter, frame);
    art.RouterFront(QRectF(292, 52, 84, 28), frame);
    art.Waves(QPointF(334, 44), 30, qMin(3, frame - 1), Palette::kTeal, Palette::kLine);
    painter.end();
    return AvoidKeyColour(image);
}
