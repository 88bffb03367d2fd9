#include "DrawKit.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace DrawKit {

namespace {
int pictureScale = 1;
}  // namespace

void SetPictureScale(int scale) { pictureScale = qMax(1, scale); }

int PictureScale() { return pictureScale; }

QImage Canvas(QSize size, QImage::Format format) {
    QImage image(size * pictureScale, format);
    image.setDevicePixelRatio(pictureScale);
    return image;
}

QImage TransparentCanvas(QSize size) {
    QImage image = Canvas(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont PictureFont(bool chinese, int pixelSize, bool bold) {
    QFont font(chinese ? QStringLiteral("Noto Sans CJK SC") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void RoundedCard(QPainter& painter, const QRectF& rect, qreal radius, const QBrush& fill,
                 const QColor& border, qreal borderWidth) {
    painter.save();
    painter.setBrush(fill);
    if (borderWidth > 0) {
        painter.setPen(QPen(border, borderWidth));
    } else {
        painter.setPen(Qt::NoPen);
    }
    const qreal inset = borderWidth / 2;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
    painter.restore();
}

void CardShadow(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 4; ++i) {
        painter.setPen(QPen(QColor(13, 59, 94, 22 - 4 * i), 2));
        const QRectF ring = rect.adjusted(-i, -i + 2, i, i + 2);
        painter.drawRoundedRect(ring, radius + i, radius + i);
    }
    painter.restore();
}

void Tag(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
         const QColor& fill, const QColor& ink) {
    const QFontMetricsF metrics(font);
    const qreal w = metrics.horizontalAdvance(text) + 16;
    const qreal h = metrics.height() + 6;
    const QRectF box(centre.x() - w / 2, centre.y() - h / 2, w, h);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, h / 2, h / 2);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

void CentredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 const QColor& ink) {
    painter.save();
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

}  // namespace DrawKit
