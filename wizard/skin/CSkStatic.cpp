#include "CSkStatic.h"

CSkStatic::CSkStatic(QWidget* parent)
    : QLabel(parent)
    , CWndCommonAttr(this)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ApplyColors();
}

void CSkStatic::Redraw(bool)
{
    ApplyColors();
    update();
}

void CSkStatic::ApplyColors()
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, ToQColor(TextColor()));
    const bool opaque = !IsTransparent() && BkColor() != kNoColor;
    if (opaque)
        colors.setColor(QPalette::Window, ToQColor(BkColor()));
    setPalette(colors);
    setAutoFillBackground(opaque);
}
