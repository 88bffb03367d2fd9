#include "PageArt.h"

#include "DeviceArt.h"
#include "DrawKit.h"
#include "KeyColour.h"
#include "Palette.h"
#include "SkinGeometry.h"


using SkinGeometry::kPage;

QImage PageArt::Background(Kind kind) {
    QImage image = DrawKit::Canvas(kPage, QImage::Format_RGB32);
    image.fill(Palette::kWhite);
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    if (kind == Kind::Welcome) {
        PaintWelcome(painter);
    } else {
        PaintCommon(painter);
    }
    painter.end();
    return AvoidKeyColour(image);
}

void PageArt::PaintCommon(QPainter& painter) {
    painter.fillRect(QRect(QPoint(0, 0), kPage), Palette::kWhite);
    PaintCornerRipples(painter);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::kPaleTeal);
    painter.drawEllipse(QPointF(SkinGeometry::kStepBadgeCentre), SkinGeometry::kStepBadgeRadius,
                        SkinGeometry::kStepBadgeRadius);
    painter.setPen(QPen(Palette::kLine, 1));
    painter.drawLine(QPointF(84, 65.5), QPointF(628, 65.5));
    painter.setPen(QPen(Palette::kTeal, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(84, 65.5), QPointF(132, 65.5));
    painter.restore();
}

void PageArt::PaintCornerRipples(QPainter& painter) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const QPointF corner(kPage.width() + 40, kPage.height() + 60);
    const QColor tints[] = {QColor(246, 250, 252), QColor(241, 248, 251), QColor(236, 246, 249)};
    qreal radius = 230;
    for (const QColor& tint : tints) {
        painter.setBrush(tint);
        painter.drawEllipse(corner, radius, radius);
        radius -= 60;
    }
    painter.restore();
}

void PageArt::PaintWelcome(QPainter& painter) {
    const QRectF all(QPoint(0, 0), kPage);
    painter.fillRect(all, DrawKit::Vertical(all, Palette::kWhite, Palette::kMist));
    PaintCornerRipples(painter);
    painter.save();
    painter.setOpacity(0.55);
    DeviceArt art(painter);
    art.Waves(QPointF(540, 250), 70, 3, Palette::kTeal, Palette::kLine);
    art.RouterFront(QRectF(470, 262, 140, 44), 5);
    painter.restore();
    painter.save();
    painter.setPen(QPen(Palette::kTeal, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(274, 22), QPointF(374, 22));
    painter.restore();
}
