#include "IconArt.h"

#include "DeviceArt.h"
#include "DrawKit.h"
#include "KeyColour.h"
#include "Palette.h"
#include "SkinGeometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

QImage IconArt::Logo(int size) {
    QImage image = DrawKit::TransparentCanvas(QSize(size, size));
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    const qreal s = size;
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient gradient(tile.topLeft(), tile.bottomRight());
    gradient.setColorAt(0, Palette::kBlue);
    gradient.setColorAt(1, Palette::kTeal);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(tile, s * 0.22, s * 0.22);
    DeviceArt art(painter);
    art.Waves(QPointF(s * 0.5, s * 0.56), s * 0.36, 3, Palette::kWhite, Palette::kWhite);
    painter.setBrush(Palette::kWhite);
    painter.drawRoundedRect(QRectF(s * 0.2, s * 0.64, s * 0.6, s * 0.17), s * 0.06, s * 0.06);
    painter.setBrush(Palette::kTeal);
    for (int i = 0; i < 3; ++i) {
        painter.drawEllipse(QPointF(s * (0.32 + 0.1 * i), s * 0.725), s * 0.025, s * 0.025);
    }
    return image;
}

QPoint IconArt::CursorHotSpot() { return {1, 1}; }

QImage IconArt::Cursor(bool willCheck) {
    QImage image = DrawKit::TransparentCanvas(SkinGeometry::kCursor);
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    QPolygonF arrow;
    arrow << QPointF(1, 1) << QPointF(1, 18) << QPointF(5.5, 14) << QPointF(8.5, 21) << QPointF(11.5, 19.8)
          << QPointF(8.6, 13) << QPointF(14.5, 13);
    painter.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Palette::kWhite);
    painter.drawPolygon(arrow);
    const QPointF badge(23, 23);
    painter.setPen(QPen(Palette::kWhite, 1.5));
    painter.setBrush(willCheck ? Palette::kTeal : Palette::kSlate);
    painter.drawEllipse(badge, 7.5, 7.5);
    painter.setPen(QPen(Palette::kWhite, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (willCheck) {
        QPainterPath tick;
        tick.moveTo(badge + QPointF(-3.5, 0));
        tick.lineTo(badge + QPointF(-1, 3));
        tick.lineTo(badge + QPointF(4, -3));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    } else {
        painter.drawLine(badge + QPointF(-3, -3), badge + QPointF(3, 3));
        painter.drawLine(badge + QPointF(3, -3), badge + QPointF(-3, 3));
    }
    return image;
}

void IconArt::PaintSymbolMark(QImage& image, int type) {
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    painter.setPen(Qt::NoPen);
    if (type == 1) {
        QPainterPath triangle;
        triangle.moveTo(32, 6);
        triangle.lineTo(60, 56);
        triangle.lineTo(4, 56);
        triangle.closeSubpath();
        painter.setPen(QPen(Palette::kAmber, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Palette::kAmber);
        painter.drawPath(triangle);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::kWhite);
        painter.drawRoundedRect(QRectF(29, 21, 6, 21), 3, 3);
        painter.drawEllipse(QPointF(32, 48.5), 3.6, 3.6);
        return;
    }
    painter.setBrush(type == 2 ? Palette::kBlue : Palette::kTeal);
    painter.drawEllipse(QPointF(32, 32), 28, 28);
    painter.setBrush(Palette::kWhite);
    if (type == 2) {
        painter.setFont(DrawKit::PictureFont(false, 38, true));
        painter.setPen(Palette::kWhite);
        painter.drawText(QRectF(4, 4, 56, 56), Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
    painter.drawEllipse(QPointF(32, 18.5), 4, 4);
    painter.drawRoundedRect(QRectF(28.5, 26, 7, 24), 3.5, 3.5);
}

QImage IconArt::MessageSymbol(int type) {
    QImage image = DrawKit::Canvas(SkinGeometry::kMessageIcon, QImage::Format_RGB32);
    image.fill(Palette::kWhite);
    PaintSymbolMark(image, type);
    return AvoidKeyColour(image);
}
