#include "CWndCommonAttr.h"

#include "ScreenDpi.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

CWndCommonAttr::CWndCommonAttr(QWidget* owner)
    : owner_(owner)
    , textColor_(FromQColor(owner->palette().color(QPalette::WindowText)))
{
}

std::optional<QFont> CWndCommonAttr::MakeFont(int size, const QString& face, bool bold, bool italic, bool underline,
                                              int width)
{
    if (size < 0 || width < 0)
        return std::nullopt;
    QFont font(face);
    const int pixels = static_cast<int>(std::lround(size * ScreenDpi() / 72.0));
    if (pixels > 0)
        font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setUnderline(underline);
    if (width > 0) {
        // A requested average character width becomes a stretch of the face.
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(width * 100 / natural, 1, 4000));
    }
    return font;
}

bool CWndCommonAttr::SetTextFont(int size, const QString& face, bool bold, bool italic, bool underline, int width)
{
    auto font = MakeFont(size, face, bold, italic, underline, width);
    if (!font)
        return false;
    owner_->setFont(*font);
    owner_->update();
    return true;
}

void CWndCommonAttr::SetTextColor(ColorRef color)
{
    textColor_ = color;
    Redraw(true);
}

void CWndCommonAttr::SetBkColor(ColorRef color)
{
    bkColor_ = color;
    Redraw(true);
}

void CWndCommonAttr::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Redraw(true);
}

QBrush CWndCommonAttr::PrepareDC(QPainter& painter, ColorRef text, ColorRef background) const
{
    painter.setPen(ToQColor(text == kNoColor ? textColor_ : text));
    const ColorRef fill = background == kNoColor ? bkColor_ : background;
    if (transparent_ || fill == kNoColor)
        return Qt::NoBrush;
    return QBrush(ToQColor(fill));
}

void CWndCommonAttr::SetToolTip(const QString& text, bool active)
{
    toolTip_ = text;
    ActivateToolTip(active);
}

void CWndCommonAttr::ActivateToolTip(bool on)
{
    owner_->setToolTip(on ? toolTip_ : QString());
}
