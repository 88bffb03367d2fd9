#include "CSkEdit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

CSkEdit::CSkEdit(QWidget* parent)
    : QLineEdit(parent)
    , CWndCommonAttr(this)
    , focusTextColor_(FromQColor(palette().color(QPalette::Text)))
{
    SetTransparent(false);
    SetBkColor(MakeColorRef(255, 255, 255));
    SetTextFont(10, QStringLiteral("Verdana"));
}

bool CSkEdit::ShowsDisabledLook() const
{
    return isReadOnly() || !isEnabled();
}

ColorRef CSkEdit::CurrentTextColor() const
{
    return focused_ && !ShowsDisabledLook() ? focusTextColor_ : TextColor();
}

ColorRef CSkEdit::CurrentBkColor() const
{
    if (ShowsDisabledLook())
        return kDisabledBkColor;
    return focused_ ? focusBkColor_ : BkColor();
}

void CSkEdit::SetFocusTextColor(ColorRef color)
{
    focusTextColor_ = color;
    Redraw(true);
}

void CSkEdit::SetFocusBkColor(ColorRef color)
{
    focusBkColor_ = color;
    Redraw(true);
}

void CSkEdit::SetRoundBorder(bool round)
{
    roundBorder_ = round;
    setFrame(!round);
    setTextMargins(round ? QMargins(3, 1, 3, 1) : QMargins());
    Redraw(true);
}

void CSkEdit::Redraw(bool)
{
    ApplyColors();
    update();
}

void CSkEdit::ApplyColors()
{
    QPalette colors = palette();
    const QColor background = IsTransparent() ? QColor(Qt::transparent) : ToQColor(CurrentBkColor());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, background);
        colors.setColor(group, QPalette::Text, ToQColor(CurrentTextColor()));
    }
    setPalette(colors);
}

void CSkEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::EnabledChange)
        ApplyColors();
}

void CSkEdit::focusInEvent(QFocusEvent* event)
{
    focused_ = true;
    ApplyColors();
    QLineEdit::focusInEvent(event);
}

void CSkEdit::focusOutEvent(QFocusEvent* event)
{
    focused_ = false;
    ApplyColors();
    QLineEdit::focusOutEvent(event);
}

void CSkEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_A && event->modifiers() == Qt::ControlModifier) {
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CSkEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!roundBorder_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Inner band in the field's colour, then the thin rounded outline.
    painter.setPen(QPen(ToQColor(CurrentBkColor()), 2));
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    const ColorRef outline = ShowsDisabledLook() ? MakeColorRef(128, 128, 128) : MakeColorRef(128, 158, 185);
    painter.setPen(QPen(ToQColor(outline), 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}
