#include "CSkBtn_Hotspot.h"

#include "ChoiceCard.h"

#include <QPainter>

CSkBtn_Hotspot::CSkBtn_Hotspot(QWidget* parent)
    : CSkBtn_Pub(4, parent)
{
    InitButton();
}

void CSkBtn_Hotspot::ApplyDefaultLook()
{
    const int size = 768 / std::max(logicalDpiY(), 1);
    SetFitToContent(false);
    SetShowFocus(false);
    SetStateFont(-1, size, false, false, false, QStringLiteral("Microsoft Sans Serif"));
    SetStateCursor(0, QCursor(Qt::PointingHandCursor));
    SetStateTextColor(0, MakeColorRef(37, 81, 178));
    SetStateTextColor(1, MakeColorRef(255, 0, 0));
    SetStateTextColor(2, MakeColorRef(128, 128, 0));
    SetClickedTextColor(MakeColorRef(128, 0, 0));
}

void CSkBtn_Hotspot::SetCardLook(bool card)
{
    card_ = card;
    update();
}

void CSkBtn_Hotspot::paintEvent(QPaintEvent* event)
{
    if (!card_) {
        CSkBtn_Pub::paintEvent(event);
        return;
    }
    if (isDown())
        SetMouseOver(false);
    const QFont base = StateAttr(0).font.value_or(font());
    QPainter painter(this);
    PaintChoiceCard(painter, rect(), SplitChoiceCaption(text()), CardFontsFrom(base), GetStateIndex(), hasFocus());
}
