#include "CSkBtn_Pic.h"

#include "TextFormat.h"

CSkBtn_Pic::CSkBtn_Pic(QWidget* parent)
    : CSkBtn_Pic(4, parent)
{
    InitButton();
}

CSkBtn_Pic::CSkBtn_Pic(int stateCount, QWidget* parent)
    : CSkBtn_Pub(stateCount, parent)
{
}

void CSkBtn_Pic::ApplyDefaultLook()
{
    // The DPI of the screen the button is made on, read once.
    const int size = 864 / std::max(logicalDpiY(), 1);
    const QString face = QStringLiteral("Times New Roman");
    SetShowFocus(false);
    SetStateFont(0, size, false, false, false, face);
    SetStateFont(1, size, true, false, false, face);
    SetStateFont(2, size, false, true, false, face);
    SetStateFont(3, size, false, true, false, face);
    SetStateCursor(0, QCursor(Qt::PointingHandCursor));
    SetStateTextColor(0, MakeColorRef(37, 81, 178));
    SetStateTextColor(1, MakeColorRef(0, 200, 250));
    SetStateTextColor(2, MakeColorRef(255, 255, 255));
    SetTextFormat(TextFormat::kSingleLine | TextFormat::kVCenter | TextFormat::kCenter);
    FitToContentFromNextLayout();
}
