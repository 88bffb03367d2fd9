#include "ButtonLayout.h"

#include "TextFormat.h"

#include <algorithm>

namespace {

void ArrangeWithoutFit(const ButtonLayoutInput& in, QRect& caption, QRect& picture)
{
    const QRect& c = in.client;
    switch (in.arrangement) {
    case 0:
        caption = c;
        picture = c;
        break;
    case 1:
        picture.moveTopLeft(QPoint(c.left(), c.top() + (c.height() - picture.height()) / 2));
        caption = QRect(QPoint(picture.right() + 1 + 2, c.top()), QPoint(c.right(), c.bottom()));
        break;
    case 2:
        picture.moveTopLeft(QPoint(c.right() + 1 - picture.width(), c.top() + (c.height() - picture.height()) / 2));
        caption = QRect(QPoint(c.left(), c.top()), QPoint(picture.left() - 2 - 1, c.bottom()));
        break;
    default:
        caption = QRect();
        picture = c;
        break;
    }
}

void ArrangeWithFit(const ButtonLayoutInput& in, QRect& caption, QRect& picture)
{
    switch (in.arrangement) {
    case 0:
        if (picture.isEmpty()) {
            caption.setSize(caption.size() + QSize(4, 2));
        } else {
            picture.setHeight(std::max(picture.height(), caption.height()));
            caption = picture;
        }
        break;
    case 1:
        caption.translate(picture.width() + 2, 0);
        break;
    case 2:
        picture.translate(caption.width() + 2, 0);
        break;
    default:
        caption = QRect();
        break;
    }
}

QRect FittedWindow(const ButtonLayoutInput& in, const QRect& caption, const QRect& picture)
{
    const int right = std::max(caption.isEmpty() ? 0 : caption.x() + caption.width(), picture.x() + picture.width());
    const int bottom = std::max(caption.isEmpty() ? 0 : caption.y() + caption.height(), picture.y() + picture.height()) + 2;
    const QSize size(right, bottom);
    QRect window;
    if (in.textFormat & TextFormat::kRight)
        window = QRect(QPoint(in.window.right() + 1 - size.width(), in.window.top()), size);
    else if (in.textFormat & TextFormat::kCenter)
        window = QRect(QPoint(in.window.left() + (in.window.width() - size.width()) / 2, in.window.top()), size);
    else
        window = QRect(in.window.topLeft(), size);
    return window;
}

} // namespace

ButtonLayoutResult LayoutButtonContent(const ButtonLayoutInput& in)
{
    QRect caption(QPoint(0, 0), in.textSize);
    QRect picture = in.pictureSize.isEmpty() ? QRect() : QRect(QPoint(0, 0), in.pictureSize);
    if (in.fitToContent)
        ArrangeWithFit(in, caption, picture);
    else
        ArrangeWithoutFit(in, caption, picture);
    if (!in.hasText)
        caption = QRect();
    ButtonLayoutResult result{caption, picture, std::nullopt};
    if (in.fitToContent)
        result.window = FittedWindow(in, caption, picture);
    return result;
}

bool LayoutNeedsTextSize(const ButtonLayoutInput& in, int fontPixels)
{
    if (!in.fitToContent || !in.hasText)
        return false;
    const bool captionOverPicture = in.arrangement == 0 && !in.pictureSize.isEmpty();
    return !captionOverPicture || fontPixels <= 0 || 2 * fontPixels > in.pictureSize.height();
}
