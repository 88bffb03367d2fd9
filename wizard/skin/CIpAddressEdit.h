// IPv4 entry of four octets that types as the address fields of every
// network dialog: an octet is selected when focused, fills on to the next
// one, and a whole dotted address typed or pasted fills all four. Shift
// with Home, End, Left and Right selects across the octets as in a line
// edit, and typing over such a selection starts a new address. The
// control is one Tab stop named by its label; its value is a 32-bit number
// in host order, and 0 shows as 0.0.0.0.
#pragma once

#include "OctetText.h"

#include <QFrame>

#include <array>
#include <cstdint>
#include <optional>

class QKeyEvent;
class QLineEdit;

class CIpAddressEdit : public QFrame {
    Q_OBJECT
public:
    explicit CIpAddressEdit(QWidget* parent = nullptr);

    std::uint32_t Value() const;
    void SetValue(std::uint32_t value);
    QString Text() const;
    // Takes up to four dot-separated numbers; missing or bad parts become 0,
    // numbers above 255 become 255.
    void SetText(const QString& dotted);
    // What a screen reader calls every octet: the control's own name, else
    // the text of the label tied to it.
    QString SpokenName() const;

signals:
    void ValueChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The label's text is final once the dialog shows: every octet takes it
    // as its name, for a screen reader walking the window.
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* Octet(int index) const { return octets_[static_cast<std::size_t>(index)]; }
    int OctetIndex(QObject* watched) const;
    void SetOctets(const std::array<int, 4>& values);
    void FocusOctet(int index);
    void PlaceCaret(int index, int position);
    void OnOctetEdited(int index);
    void OnOctetFocused(int index);
    void OnOctetLeft(int index);
    bool OnMousePress(int index);
    bool OnKey(int index, QKeyEvent* key);
    bool OnSpanKey(QKeyEvent* key);
    bool OnExtendKey(int index, const QKeyEvent* key);
    bool OnSeparator(int index);
    bool OnMoveKey(int index, const QKeyEvent* key);
    bool PasteAddress();
    OctetLengths Lengths() const;
    AddressPoint AnchorIn(int index) const;
    void SelectSpan(AddressPoint anchor, AddressPoint head);
    QString SpanText() const;
    void EndSpan(int keep);
    void LeaveFromFirstOctet(int index);

    std::array<QLineEdit*, 4> octets_{};
    // The focus moved on by itself; a separator typed next is the user's own
    // and already done.
    bool justAdvanced_ = false;
    // A selection over more than one octet, by Ctrl+A or Shift with a move
    // key: typing over it starts a new address.
    struct Span {
        AddressPoint anchor;
        AddressPoint head;
    };
    std::optional<Span> span_;
    // The key the octet is about to take is a digit: only a typed digit
    // that completes an octet moves on, never an erasing key.
    bool digitTyped_ = false;
    // The octet the user has clicked or typed in since it took the focus;
    // only there does a click place the caret instead of selecting.
    int touched_ = -1;
};
