#include "CSkBtn_Pub.h"

#include "CursorFile.h"
#include "TextFormat.h"

#include <QCursor>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

CSkBtn_Pub::CSkBtn_Pub(QWidget* parent)
    : CSkBtn_Pub(4, parent)
{
    InitButton();
}

CSkBtn_Pub::CSkBtn_Pub(int stateCount, QWidget* parent)
    : QAbstractButton(parent)
    , CWndCommonAttr(this)
    , states_(static_cast<std::size_t>(stateCount))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    // Tab reaches every skinned button; a mouse click leaves focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void CSkBtn_Pub::InitButton()
{
    ownerDrawn_ = true;
    if (applyDefaultLook_)
        ApplyDefaultLook();
}

void CSkBtn_Pub::ApplyDefaultLook()
{
}

const ButtonStateAttr& CSkBtn_Pub::StateAttr(int state) const
{
    return states_.at(static_cast<std::size_t>(state));
}

template <class Apply>
void CSkBtn_Pub::ForStatesFrom(int firstState, Apply apply)
{
    for (int state = std::max(firstState, 0); state < StateCount(); ++state)
        apply(states_[static_cast<std::size_t>(state)]);
    StateChanged();
}

void CSkBtn_Pub::SetStateFrameColor(int firstState, ColorRef color)
{
    ForStatesFrom(firstState, [color](ButtonStateAttr& s) { s.frameColor = color; });
}

void CSkBtn_Pub::SetStateTextColor(int firstState, ColorRef color)
{
    ForStatesFrom(firstState, [color](ButtonStateAttr& s) { s.textColor = color; });
}

void CSkBtn_Pub::SetStateBkColor(int firstState, ColorRef color)
{
    ForStatesFrom(firstState, [color](ButtonStateAttr& s) { s.bkColor = color; });
}

void CSkBtn_Pub::SetStateCursor(int firstState, const QCursor& cursor)
{
    ForStatesFrom(firstState, [&cursor](ButtonStateAttr& s) { s.cursor = cursor; });
}

bool CSkBtn_Pub::SetStateCursorFile(int firstState, const QString& file)
{
    const auto cursor = LoadCursorFile(file);
    if (!cursor)
        return false;
    SetStateCursor(firstState, *cursor);
    return true;
}

bool CSkBtn_Pub::SetStateFont(int state, int size, bool bold, bool italic, bool underline, const QString& face)
{
    const auto font = MakeFont(size, face, bold, italic, underline, 0);
    if (!font || state >= StateCount() || state < -1)
        return false;
    if (state == -1) {
        for (auto& s : states_)
            s.font = font;
    } else {
        states_[static_cast<std::size_t>(state)].font = font;
    }
    LayoutContent();
    update();
    return true;
}

bool CSkBtn_Pub::LoadPictureStripFile(int frames, ColorRef maskColor, const QString& file)
{
    ownerDrawn_ = strip_.Load(file, frames, maskColor);
    LayoutContent();
    update();
    return ownerDrawn_;
}

void CSkBtn_Pub::SetClickedTextColor(ColorRef color)
{
    clickedTextColor_ = color;
}

void CSkBtn_Pub::SetTextFormat(unsigned flags)
{
    textFormat_ = flags;
    LayoutContent();
    update();
}

void CSkBtn_Pub::SetArrangement(int mode)
{
    arrangement_ = std::clamp(mode, 0, 3);
    LayoutContent();
    update();
}

void CSkBtn_Pub::SetFitToContent(bool fit)
{
    fitToContent_ = fit;
    LayoutContent();
    update();
}

void CSkBtn_Pub::FitToContentFromNextLayout()
{
    fitToContent_ = true;
    layoutPending_ = true;
}

void CSkBtn_Pub::SetShowFocus(bool show)
{
    showFocus_ = show;
    update();
}

void CSkBtn_Pub::SetApplyDefaultLook(bool apply)
{
    applyDefaultLook_ = apply;
    update();
}

void CSkBtn_Pub::Redraw(bool)
{
    update();
}

int CSkBtn_Pub::GetStateIndex() const
{
    if (!isEnabled())
        return 3;
    if (isDown())
        return 2;
    return IsMouseOver() ? 1 : 0;
}

QFont CSkBtn_Pub::StateFont(int state) const
{
    const auto& font = StateAttr(state).font;
    return font ? *font : this->font();
}

void CSkBtn_Pub::LayoutContent()
{
    layoutPending_ = false;
    ButtonLayoutInput in;
    in.client = rect();
    in.window = geometry();
    in.pictureSize = strip_.IsEmpty() ? QSize() : strip_.FrameSize();
    in.arrangement = arrangement_;
    in.fitToContent = fitToContent_;
    in.textFormat = textFormat_;
    in.hasText = !text().isEmpty();
    const QFont font = StateFont(0);
    if (LayoutNeedsTextSize(in, font.pixelSize()))
        in.textSize = QFontMetrics(font).size(Qt::TextSingleLine, text());
    const ButtonLayoutResult out = LayoutButtonContent(in);
    captionRect_ = out.caption;
    pictureRect_ = out.picture;
    // A standard-looking button keeps the size it was given.
    if (ownerDrawn_ && out.window && *out.window != geometry())
        setGeometry(*out.window);
}

void CSkBtn_Pub::AdjustCaptionRect(QRect& rect) const
{
    if (isDown())
        rect.translate(1, 1);
    else if (IsMouseOver())
        rect.translate(-1, -1);
}

int CSkBtn_Pub::PictureFrameIndex() const
{
    if (strip_.FrameCount() == 1)
        return 0;
    return std::min(GetStateIndex(), strip_.FrameCount() - 1);
}

void CSkBtn_Pub::DrawBackground(QPainter& painter)
{
    if (strip_.IsEmpty()) {
        const ColorRef fill = StateAttr(GetStateIndex()).bkColor;
        if (fill != kNoColor)
            painter.fillRect(rect(), ToQColor(fill));
        return;
    }
    const QPixmap& frame = strip_.Frame(PictureFrameIndex());
    QRect target(pictureRect_.topLeft(), frame.size());
    if (arrangement_ == 0 || arrangement_ == 3)
        target.moveCenter(pictureRect_.center());
    if (strip_.FrameCount() == 1)
        AdjustCaptionRect(target);
    painter.drawPixmap(target.topLeft(), frame);
}

void CSkBtn_Pub::DrawCaption(QPainter& painter)
{
    if (captionRect_.isEmpty())
        return;
    const ButtonStateAttr& state = StateAttr(GetStateIndex());
    QRect caption = captionRect_;
    AdjustCaptionRect(caption);
    painter.setFont(StateFont(GetStateIndex()));
    const int flags = TextFormatToQtFlags(textFormat_);
    if (!isEnabled()) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(caption.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(caption, flags, text());
        return;
    }
    painter.setPen(ToQColor(state.textColor));
    painter.drawText(caption, flags, text());
}

void CSkBtn_Pub::DrawFrame(QPainter& painter)
{
    const ColorRef frame = StateAttr(GetStateIndex()).frameColor;
    if (frame == kNoColor)
        return;
    painter.setPen(ToQColor(frame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CSkBtn_Pub::DrawStandardLook()
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    if (isDown())
        option.state |= QStyle::State_Sunken;
    painter.drawControl(QStyle::CE_PushButton, option);
}

void CSkBtn_Pub::paintEvent(QPaintEvent*)
{
    if (!ownerDrawn_) {
        DrawStandardLook();
        return;
    }
    if (isDown())
        SetMouseOver(false);
    LayoutContent();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawBackground(painter);
    DrawCaption(painter);
    DrawFrame(painter);
    if (hasFocus() && !isDown())
        DrawFocusRing(painter);
}

// Even where the look turns the focus rectangle off, a keyboard user has to
// see which control Tab reached: then a dashed ring hugs the control's edge.
void CSkBtn_Pub::DrawFocusRing(QPainter& painter)
{
    if (showFocus_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        return;
    }
    const QRect ring = rect().adjusted(0, 0, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(ring);
}

void CSkBtn_Pub::StateChanged()
{
    setCursor(StateAttr(GetStateIndex()).cursor);
    update();
}

void CSkBtn_Pub::enterEvent(QEnterEvent* event)
{
    SetMouseOver(true);
    StateChanged();
    QAbstractButton::enterEvent(event);
}

void CSkBtn_Pub::leaveEvent(QEvent* event)
{
    SetMouseOver(false);
    StateChanged();
    QAbstractButton::leaveEvent(event);
}

void CSkBtn_Pub::mouseMoveEvent(QMouseEvent* event)
{
    if (!IsMouseOver() && rect().contains(event->position().toPoint())) {
        SetMouseOver(true);
        StateChanged();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CSkBtn_Pub::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    StateChanged();
}

void CSkBtn_Pub::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && clickedTextColor_ != kNoColor)
        states_[0].textColor = clickedTextColor_;
    QAbstractButton::mouseReleaseEvent(event);
    StateChanged();
}

void CSkBtn_Pub::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        StateChanged();
    else if (event->type() == QEvent::FontChange)
        LayoutContent();
}

// While a modal dialog covers the window no leave event arrives, so the
// hover look is settled again by where the pointer is when the window
// comes back, and dropped while it is covered or hidden.
bool CSkBtn_Pub::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        SetMouseOver(isVisible() && rect().contains(mapFromGlobal(QCursor::pos())));
        StateChanged();
        break;
    case QEvent::Show:
        if (layoutPending_)
            LayoutContent();
        break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        SetMouseOver(false);
        StateChanged();
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}

void CSkBtn_Pub::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    update();
}

void CSkBtn_Pub::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    update();
}
