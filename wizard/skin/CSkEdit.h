// Edit field with rounded border and its own colours while focused and
// while read-only or disabled.
#pragma once

#include "CWndCommonAttr.h"

#include <QLineEdit>

class CSkEdit : public QLineEdit, public CWndCommonAttr {
    Q_OBJECT
public:
    explicit CSkEdit(QWidget* parent = nullptr);

    void SetFocusTextColor(ColorRef color);
    void SetFocusBkColor(ColorRef color);
    void SetRoundBorder(bool round);
    void Redraw(bool erase) override;

    ColorRef FocusTextColor() const { return focusTextColor_; }
    ColorRef FocusBkColor() const { return focusBkColor_; }
    bool RoundBorder() const { return roundBorder_; }
    // The colours the field shows now: read-only/disabled, focused or normal.
    ColorRef CurrentTextColor() const;
    ColorRef CurrentBkColor() const;

    static constexpr ColorRef kDisabledBkColor = MakeColorRef(230, 230, 200);

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyColors();
    bool ShowsDisabledLook() const;

    ColorRef focusTextColor_;
    ColorRef focusBkColor_ = MakeColorRef(200, 255, 255);
    bool roundBorder_ = false;
    bool focused_ = false;
};
