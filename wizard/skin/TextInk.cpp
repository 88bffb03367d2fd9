#include "TextInk.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

QRectF RenderedInkRect(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    // Room on every side for a slant or an overhang beyond the advance.
    const int margin = metrics.height();
    QImage canvas(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    const QPoint origin(margin, margin + metrics.ascent());
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(origin, text);
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) > 127)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink.isEmpty() ? QRectF() : QRectF(ink).translated(-origin);
}
