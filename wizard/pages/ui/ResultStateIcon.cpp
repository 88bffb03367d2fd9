#include "ResultStateIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QColor SignColour(ResultHeadline headline)
{
    switch (headline) {
    case ResultHeadline::Online:
        return {40, 170, 90};
    case ResultHeadline::NotOnline:
        return {214, 92, 40};
    default:
        return {50, 120, 200};
    }
}

// Drawn in a 48-unit square scaled to the picture.
void PaintSymbol(QPainter& painter, ResultHeadline headline)
{
    painter.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (headline == ResultHeadline::Online) {
        QPainterPath tick(QPointF(15, 24));
        tick.lineTo(21, 30);
        tick.lineTo(33, 18);
        painter.drawPath(tick);
    } else if (headline == ResultHeadline::NotOnline) {
        painter.drawLine(QPointF(24, 13), QPointF(24, 27));
        painter.drawPoint(QPointF(24, 34));
    } else {
        for (const qreal x : {15.0, 24.0, 33.0})
            painter.drawPoint(QPointF(x, 24));
    }
}

} // namespace

QImage DrawResultStateIcon(ResultHeadline headline, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 48.0, side / 48.0);
    QColor halo = SignColour(headline);
    halo.setAlpha(50);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(24, 24), 24, 24);
    painter.setBrush(SignColour(headline));
    painter.drawEllipse(QPointF(24, 24), 18, 18);
    PaintSymbol(painter, headline);
    return image;
}
