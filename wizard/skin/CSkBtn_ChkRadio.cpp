#include "CSkBtn_ChkRadio.h"

#include "CSkChoiceAccessible.h"
#include "ControlId.h"
#include "TextFormat.h"

#include <QStyleOptionButton>
#include <QStylePainter>

CSkBtn_ChkRadio::CSkBtn_ChkRadio(Kind kind, QWidget* parent)
    : CSkBtn_Pic(6, parent)
    , kind_(kind)
{
    setCheckable(true);
    setAutoExclusive(false);
    CSkChoiceAccessible::Install();
    InitButton();
}

void CSkBtn_ChkRadio::ApplyDefaultLook()
{
    SetShowFocus(false);
    SetStateFont(-1, 7, false, false, false, QStringLiteral("Microsoft Sans Serif"));
    SetStateCursor(0, QCursor(Qt::PointingHandCursor));
    const ColorRef colors[] = {MakeColorRef(37, 81, 178), MakeColorRef(0, 200, 250), MakeColorRef(0, 64, 64),
                               MakeColorRef(0, 128, 128), MakeColorRef(64, 64, 64), MakeColorRef(128, 128, 128)};
    for (int state = 0; state < 6; ++state)
        SetStateTextColor(state, colors[state]);
    SetClickedTextColor(MakeColorRef(128, 0, 0));
    SetFitToContent(false);
    SetArrangement(1);
    SetTextFormat(TextFormat::kSingleLine | TextFormat::kVCenter);
}

int CSkBtn_ChkRadio::GetStateIndex() const
{
    const bool checked = isChecked();
    if (!isEnabled())
        return checked ? 5 : 4;
    if (IsMouseOver())
        return checked ? 3 : 1;
    return checked ? 2 : 0;
}

void CSkBtn_ChkRadio::SetCheck(bool checked)
{
    setChecked(checked);
    if (kind_ == Kind::Radio && checked) {
        for (CSkBtn_ChkRadio* other : OtherRadiosOfGroup())
            other->UncheckFromGroup();
    }
    StateChanged();
}

void CSkBtn_ChkRadio::UncheckFromGroup()
{
    if (kind_ != Kind::Radio)
        return;
    setChecked(false);
    StateChanged();
    emit CheckNotify(ControlIdOf(this));
}

void CSkBtn_ChkRadio::nextCheckState()
{
    SetCheck(kind_ == Kind::CheckBox ? !isChecked() : true);
    emit CheckNotify(ControlIdOf(this));
}

std::vector<CSkBtn_ChkRadio*> CSkBtn_ChkRadio::OtherRadiosOfGroup() const
{
    std::vector<CSkBtn_ChkRadio*> group;
    if (!parentWidget())
        return group;
    // The group runs from the last group start at or before this control to
    // the next group start after it, in window order.
    const QList<QWidget*> siblings = parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const qsizetype self = siblings.indexOf(const_cast<CSkBtn_ChkRadio*>(this));
    qsizetype first = self;
    while (first > 0 && !siblings[first]->property(kGroupStartProperty).toBool())
        --first;
    qsizetype last = self + 1;
    while (last < siblings.size() && !siblings[last]->property(kGroupStartProperty).toBool())
        ++last;
    for (qsizetype i = first; i < last; ++i) {
        auto* radio = qobject_cast<CSkBtn_ChkRadio*>(siblings[i]);
        if (radio && radio != this && radio->kind_ == Kind::Radio)
            group.push_back(radio);
    }
    return group;
}

void CSkBtn_ChkRadio::SetPictureFile(const QString& file)
{
    pictureFile_ = file;
    update();
}

void CSkBtn_ChkRadio::paintEvent(QPaintEvent* event)
{
    if (Strip().IsEmpty() && IsOwnerDrawn() && !pictureFile_.isEmpty())
        LoadPictureStripFile(6, kSkinKeyColor, pictureFile_);
    CSkBtn_Pic::paintEvent(event);
}

void CSkBtn_ChkRadio::DrawFrame(QPainter&)
{
}

void CSkBtn_ChkRadio::DrawStandardLook()
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    painter.drawControl(kind_ == Kind::CheckBox ? QStyle::CE_CheckBox : QStyle::CE_RadioButton, option);
}
