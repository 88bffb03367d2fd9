#include "CIpAddressEdit.h"

#include "OctetText.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

constexpr int kLastOctet = 3;

bool IsSeparator(const QKeyEvent* key)
{
    return key->text() == QStringLiteral(".") || key->text() == QStringLiteral(" ");
}

bool IsDigit(const QKeyEvent* key)
{
    return key->text().size() == 1 && key->text()[0] >= u'0' && key->text()[0] <= u'9';
}

bool IsModifierOnly(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

bool IsPlain(const QKeyEvent* key)
{
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

CIpAddressEdit::CIpAddressEdit(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i <= kLastOctet; ++i) {
        if (i > 0)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        auto* octet = new QLineEdit(this);
        octet->setFrame(false);
        octet->setAlignment(Qt::AlignCenter);
        octet->setValidator(digits);
        // Only the first octet is a Tab stop: the control is one field to
        // the keyboard, and the mouse may still pick any octet.
        octet->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        // The line edit's own menu would paste past the address rules.
        octet->setContextMenuPolicy(Qt::NoContextMenu);
        octet->installEventFilter(this);
        connect(octet, &QLineEdit::textEdited, this, [this, i] { OnOctetEdited(i); });
        layout->addWidget(octet, 1);
        octets_[static_cast<std::size_t>(i)] = octet;
    }
    SetValue(0);
}

std::uint32_t CIpAddressEdit::Value() const
{
    std::uint32_t value = 0;
    for (const QLineEdit* octet : octets_)
        value = (value << 8) | static_cast<std::uint32_t>(OctetValue(octet->text()));
    return value;
}

void CIpAddressEdit::SetValue(std::uint32_t value)
{
    for (int i = 0; i <= kLastOctet; ++i)
        Octet(i)->setText(QString::number((value >> (24 - 8 * i)) & 0xFF));
    emit ValueChanged();
}

QString CIpAddressEdit::Text() const
{
    QStringList parts;
    for (const QLineEdit* octet : octets_)
        parts << QString::number(OctetValue(octet->text()));
    return parts.join(u'.');
}

void CIpAddressEdit::SetText(const QString& dotted)
{
    const QStringList parts = dotted.trimmed().split(u'.');
    for (int i = 0; i <= kLastOctet; ++i)
        Octet(i)->setText(QString::number(i < parts.size() ? OctetValue(parts[i].trimmed()) : 0));
    emit ValueChanged();
}

QString CIpAddressEdit::SpokenName() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    if (!parentWidget())
        return {};
    for (const QLabel* label : parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == this) {
            QString text = label->text();
            return text.remove(u'&');
        }
    }
    return {};
}

int CIpAddressEdit::OctetIndex(QObject* watched) const
{
    for (int i = 0; i <= kLastOctet; ++i) {
        if (Octet(i) == watched)
            return i;
    }
    return -1;
}

void CIpAddressEdit::SetOctets(const std::array<int, 4>& values)
{
    for (int i = 0; i <= kLastOctet; ++i)
        Octet(i)->setText(QString::number(values[static_cast<std::size_t>(i)]));
    emit ValueChanged();
}

void CIpAddressEdit::FocusOctet(int index)
{
    Octet(index)->setFocus(Qt::OtherFocusReason);
    Octet(index)->selectAll();
}

void CIpAddressEdit::PlaceCaret(int index, int position)
{
    Octet(index)->setFocus(Qt::OtherFocusReason);
    Octet(index)->deselect();
    Octet(index)->setCursorPosition(position);
}

void CIpAddressEdit::OnOctetEdited(int index)
{
    QLineEdit* octet = Octet(index);
    const QString clamped = ClampedOctet(octet->text());
    if (clamped != octet->text())
        octet->setText(clamped);
    if (std::exchange(digitTyped_, false) && index < kLastOctet && IsCompleteOctet(octet->text())) {
        FocusOctet(index + 1);
        justAdvanced_ = true;
    }
    emit ValueChanged();
}

void CIpAddressEdit::OnOctetFocused(int index)
{
    touched_ = -1;
    Octet(index)->setAccessibleName(SpokenName());
    EndSpan(index);
}

void CIpAddressEdit::OnOctetLeft(int index)
{
    QLineEdit* octet = Octet(index);
    const QString settled = SettledOctet(octet->text());
    if (settled != octet->text())
        octet->setText(settled);
}

bool CIpAddressEdit::OnMousePress(int index)
{
    justAdvanced_ = false;
    EndSpan(index);
    if (std::exchange(touched_, index) == index)
        return false;
    // The first click into an octet takes it whole, so typing replaces it,
    // even when the page had already put the focus there.
    Octet(index)->setFocus(Qt::MouseFocusReason);
    Octet(index)->selectAll();
    return true;
}

bool CIpAddressEdit::OnKey(int index, QKeyEvent* key)
{
    // Holding Ctrl on the way to Ctrl+C is no key of its own.
    if (IsModifierOnly(key))
        return false;
    digitTyped_ = IsDigit(key);
    touched_ = index;
    if (span_ && OnSpanKey(key))
        return true;
    if (key->matches(QKeySequence::SelectAll)) {
        SelectSpan({0, 0}, {kLastOctet, Lengths()[kLastOctet]});
        return true;
    }
    if (key->modifiers() == Qt::ShiftModifier && OnExtendKey(index, key))
        return true;
    if (key->matches(QKeySequence::Paste))
        return PasteAddress();
    if (IsSeparator(key))
        return OnSeparator(index);
    justAdvanced_ = false;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        LeaveFromFirstOctet(index);
        return false;
    }
    return IsPlain(key) && OnMoveKey(index, key);
}

bool CIpAddressEdit::OnSpanKey(QKeyEvent* key)
{
    if (key->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SpanText());
        return true;
    }
    if (key->matches(QKeySequence::Paste) && PasteAddress())
        return true;
    if (key->modifiers() == Qt::ShiftModifier && OnExtendKey(span_->head.octet, key))
        return true;
    const bool erases = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
    if (!erases && !IsDigit(key) && !key->matches(QKeySequence::Paste)) {
        EndSpan(OctetIndex(QApplication::focusWidget()));
        return false;
    }
    span_.reset();
    for (QLineEdit* octet : octets_)
        octet->clear();
    FocusOctet(0);
    emit ValueChanged();
    if (!erases) {
        const std::unique_ptr<QKeyEvent> again(key->clone());
        QCoreApplication::sendEvent(Octet(0), again.get());
    }
    return true;
}

// Shift with a move key, from where the selection or caret is: Home and End
// reach the ends of the whole address, Left and Right cross an octet's edge.
bool CIpAddressEdit::OnExtendKey(int index, const QKeyEvent* key)
{
    const OctetLengths lengths = Lengths();
    const AddressPoint anchor = span_ ? span_->anchor : AnchorIn(index);
    const AddressPoint head = span_ ? span_->head : AddressPoint{index, Octet(index)->cursorPosition()};
    const bool atLeftEdge = head.position == 0;
    const bool atRightEdge = head.position == lengths[static_cast<std::size_t>(head.octet)];
    switch (key->key()) {
    case Qt::Key_Home:
        SelectSpan(anchor, {0, 0});
        return true;
    case Qt::Key_End:
        SelectSpan(anchor, {kLastOctet, lengths[kLastOctet]});
        return true;
    case Qt::Key_Left:
        if (!span_ && !atLeftEdge)
            return false;
        SelectSpan(anchor, StepLeft(head, lengths));
        return true;
    case Qt::Key_Right:
        if (!span_ && !atRightEdge)
            return false;
        SelectSpan(anchor, StepRight(head, lengths));
        return true;
    default:
        return false;
    }
}

bool CIpAddressEdit::OnSeparator(int index)
{
    if (std::exchange(justAdvanced_, false))
        return true;
    if (index < kLastOctet && !Octet(index)->text().isEmpty())
        FocusOctet(index + 1);
    return true;
}

bool CIpAddressEdit::OnMoveKey(int index, const QKeyEvent* key)
{
    const QLineEdit* octet = Octet(index);
    const bool caretAtStart = octet->cursorPosition() == 0 && !octet->hasSelectedText();
    const bool caretAtEnd = octet->cursorPosition() == octet->text().size() && !octet->hasSelectedText();
    switch (key->key()) {
    case Qt::Key_Backspace:
        if (index == 0 || !(octet->text().isEmpty() || caretAtStart))
            return false;
        PlaceCaret(index - 1, static_cast<int>(Octet(index - 1)->text().size()));
        return true;
    case Qt::Key_Left:
        if (index == 0 || !caretAtStart)
            return false;
        PlaceCaret(index - 1, static_cast<int>(Octet(index - 1)->text().size()));
        return true;
    case Qt::Key_Right:
        if (index == kLastOctet || !caretAtEnd)
            return false;
        PlaceCaret(index + 1, 0);
        return true;
    case Qt::Key_Home:
        PlaceCaret(0, 0);
        return true;
    case Qt::Key_End:
        PlaceCaret(kLastOctet, static_cast<int>(Octet(kLastOctet)->text().size()));
        return true;
    default:
        return false;
    }
}

bool CIpAddressEdit::PasteAddress()
{
    const QString pasted = QApplication::clipboard()->text().trimmed();
    if (!pasted.contains(u'.'))
        return false;
    // Dotted text that is no address changes nothing rather than a part.
    if (const auto octets = ParseTypedAddress(pasted)) {
        SetOctets(*octets);
        PlaceCaret(kLastOctet, static_cast<int>(Octet(kLastOctet)->text().size()));
    }
    return true;
}

OctetLengths CIpAddressEdit::Lengths() const
{
    OctetLengths lengths{};
    for (int i = 0; i <= kLastOctet; ++i)
        lengths[static_cast<std::size_t>(i)] = static_cast<int>(Octet(i)->text().size());
    return lengths;
}

// Where a selection inside one octet started: the end away from the caret.
AddressPoint CIpAddressEdit::AnchorIn(int index) const
{
    const QLineEdit* octet = Octet(index);
    if (!octet->hasSelectedText())
        return {index, octet->cursorPosition()};
    const bool caretAtStart = octet->cursorPosition() == octet->selectionStart();
    return {index, caretAtStart ? octet->selectionEnd() : octet->selectionStart()};
}

// Within one octet the octet's own selection is enough; across octets each
// shows its part, and the focus stays where the caret is.
void CIpAddressEdit::SelectSpan(AddressPoint anchor, AddressPoint head)
{
    span_.reset();
    Octet(head.octet)->setFocus(Qt::OtherFocusReason);
    const OctetLengths lengths = Lengths();
    for (int i = 0; i <= kLastOctet; ++i) {
        const auto [from, to] = OctetPart(anchor, head, i, lengths);
        if (from == to && i != head.octet)
            Octet(i)->deselect();
        else
            Octet(i)->setSelection(from, to - from);
    }
    if (anchor.octet != head.octet)
        span_ = Span{anchor, head};
}

QString CIpAddressEdit::SpanText() const
{
    QStringList texts;
    for (const QLineEdit* octet : octets_)
        texts << octet->text();
    const OctetLengths lengths = Lengths();
    const int anchor = AddressOffset(span_->anchor, lengths);
    const int head = AddressOffset(span_->head, lengths);
    return texts.join(u'.').mid(std::min(anchor, head), std::abs(head - anchor));
}

void CIpAddressEdit::EndSpan(int keep)
{
    if (!std::exchange(span_, std::nullopt))
        return;
    for (int i = 0; i <= kLastOctet; ++i) {
        if (i != keep)
            Octet(i)->deselect();
    }
}

// Tab leaves the control from wherever the focus is inside it, as if from
// its one Tab stop, so the focus chain is walked from there.
void CIpAddressEdit::LeaveFromFirstOctet(int index)
{
    if (index != 0)
        Octet(0)->setFocus(Qt::OtherFocusReason);
}

void CIpAddressEdit::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    for (QLineEdit* octet : octets_)
        octet->setAccessibleName(SpokenName());
}

bool CIpAddressEdit::eventFilter(QObject* watched, QEvent* event)
{
    const int index = OctetIndex(watched);
    if (index < 0)
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return OnKey(index, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && OnMousePress(index);
    case QEvent::FocusIn:
        OnOctetFocused(index);
        break;
    case QEvent::FocusOut:
        OnOctetLeft(index);
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}
