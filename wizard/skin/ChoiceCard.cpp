#include "ChoiceCard.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr qreal kRadius = 8.0;
constexpr int kPadding = 14;
const QColor kInk(20, 44, 66);
const QColor kMuted(74, 94, 112);
const QColor kTeal(18, 132, 150);

void PaintArrow(QPainter& painter, const QRect& content, const QColor& colour)
{
    const QPointF tip(content.right() - 2, content.center().y() + 0.5);
    QPainterPath arrow(tip + QPointF(-7, -7));
    arrow.lineTo(tip);
    arrow.lineTo(tip + QPointF(-7, 7));
    painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
}

} // namespace

ChoiceCaption SplitChoiceCaption(const QString& text)
{
    const qsizetype ascii = text.indexOf(u':');
    const qsizetype wide = text.indexOf(QChar(0xFF1A));
    qsizetype split = ascii < 0 ? wide : (wide < 0 ? ascii : std::min(ascii, wide));
    if (split < 0)
        return {text.trimmed(), {}};
    return {text.left(split).trimmed(), text.mid(split + 1).trimmed()};
}

CardColours CardColoursForState(int state, bool focused)
{
    switch (state) {
    case 1:
        return {QColor(231, 245, 247), kTeal, kInk, kMuted, 2};
    case 2:
        return {QColor(202, 232, 236), QColor(12, 98, 112), kInk, kMuted, 2};
    case 3:
        return {QColor(242, 242, 242), QColor(205, 205, 205), QColor(150, 150, 150), QColor(165, 165, 165), 1};
    default:
        return {QColor(249, 251, 252), focused ? kTeal : QColor(196, 211, 222), kInk, kMuted, focused ? 2 : 1};
    }
}

std::vector<QRect> StackCards(const QRect& area, int count, int gap)
{
    std::vector<QRect> cards;
    if (count <= 0 || area.isEmpty())
        return cards;
    const int height = (area.height() - gap * (count - 1)) / count;
    // The rounding rest goes to the last card so that the stack ends at the area's bottom.
    for (int i = 0; i < count; ++i) {
        const int top = area.top() + i * (height + gap);
        const int bottom = i == count - 1 ? area.bottom() : top + height - 1;
        cards.emplace_back(QPoint(area.left(), top), QPoint(area.right(), bottom));
    }
    return cards;
}

CardFonts CardFontsFrom(const QFont& base)
{
    CardFonts fonts{base, base};
    fonts.title.setBold(true);
    fonts.title.setItalic(false);
    fonts.description.setBold(false);
    fonts.description.setItalic(false);
    if (base.pointSizeF() > 0)
        fonts.description.setPointSizeF(std::max(7.0, base.pointSizeF() - 2.0));
    return fonts;
}

void PaintChoiceCard(QPainter& painter, const QRect& rect, const ChoiceCaption& caption, const CardFonts& fonts,
                     int state, bool focused)
{
    const CardColours colours = CardColoursForState(state, focused);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = colours.borderWidth / 2.0;
    const QRectF frame = QRectF(rect).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(colours.border, colours.borderWidth));
    painter.setBrush(colours.fill);
    painter.drawRoundedRect(frame, kRadius, kRadius);

    QRect content = rect.adjusted(kPadding, 4, -kPadding, -4);
    if (state == 2)
        content.translate(1, 1);
    PaintArrow(painter, content, state == 3 ? colours.border : colours.title);
    content.setRight(content.right() - 18);

    const QFontMetrics titleMetrics(fonts.title);
    const QFontMetrics textMetrics(fonts.description);
    const int descriptionHeight =
        caption.description.isEmpty()
            ? 0
            : textMetrics.boundingRect(content, Qt::TextWordWrap, caption.description).height();
    const int block = titleMetrics.height() + descriptionHeight;
    const int top = content.top() + std::max(0, (content.height() - block) / 2);
    painter.setFont(fonts.title);
    painter.setPen(colours.title);
    painter.drawText(QRect(content.left(), top, content.width(), titleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption.title);
    if (descriptionHeight > 0) {
        painter.setFont(fonts.description);
        painter.setPen(colours.description);
        painter.drawText(QRect(content.left(), top + titleMetrics.height(), content.width(), descriptionHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption.description);
    }
    painter.restore();
}
