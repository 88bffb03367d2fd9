// Self-drawn button with per-state looks (0 normal, 1 hover, 2 pressed,
// 3 disabled; check boxes add 4 and 5) and an optional picture strip.
#pragma once

#include "ButtonLayout.h"
#include "ButtonStateAttr.h"
#include "CWndCommonAttr.h"
#include "PictureStrip.h"

#include <QAbstractButton>

#include <vector>

class CSkBtn_Pub : public QAbstractButton, public CWndCommonAttr {
    Q_OBJECT
public:
    explicit CSkBtn_Pub(QWidget* parent = nullptr);

    // The five setters below write the given state and every later one.
    virtual void SetStateFrameColor(int firstState, ColorRef color);
    virtual void SetStateTextColor(int firstState, ColorRef color);
    virtual void SetStateBkColor(int firstState, ColorRef color);
    virtual bool SetStateCursorFile(int firstState, const QString& file);
    virtual void SetStateCursor(int firstState, const QCursor& cursor);
    // state −1 sets every state; size in points as for SetTextFont.
    virtual bool SetStateFont(int state, int size, bool bold, bool italic, bool underline, const QString& face);
    // A strip that cannot be loaded turns the button into a standard one.
    virtual bool LoadPictureStripFile(int frames, ColorRef maskColor, const QString& file);
    virtual int GetStateIndex() const;
    virtual void LayoutContent();

    void SetClickedTextColor(ColorRef color);
    void SetTextFormat(unsigned flags);
    void SetArrangement(int mode);
    void SetFitToContent(bool fit);
    // Fits from the next layout on (a style, a strip, the button showing):
    // a default look restyled before the window shows then loads no font.
    void FitToContentFromNextLayout();
    void SetShowFocus(bool show);
    void SetApplyDefaultLook(bool apply);

    void Redraw(bool erase) override;

    int StateCount() const { return static_cast<int>(states_.size()); }
    const ButtonStateAttr& StateAttr(int state) const;
    const PictureStrip& Strip() const { return strip_; }
    bool IsOwnerDrawn() const { return ownerDrawn_; }
    bool ShowFocus() const { return showFocus_; }
    ColorRef ClickedTextColor() const { return clickedTextColor_; }
    QRect CaptionRect() const { return captionRect_; }

protected:
    CSkBtn_Pub(int stateCount, QWidget* parent);

    virtual void AdjustCaptionRect(QRect& rect) const;
    virtual void ApplyDefaultLook();
    virtual void DrawFrame(QPainter& painter);
    virtual void DrawBackground(QPainter& painter);
    virtual void DrawCaption(QPainter& painter);
    virtual void DrawStandardLook();
    void DrawFocusRing(QPainter& painter);
    // Runs the default look of the class that calls it; each class calls it
    // at the end of its own constructor.
    void InitButton();
    void StateChanged();
    int PictureFrameIndex() const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    template <class Apply>
    void ForStatesFrom(int firstState, Apply apply);
    QFont StateFont(int state) const;

    std::vector<ButtonStateAttr> states_;
    PictureStrip strip_;
    bool ownerDrawn_ = true;
    int arrangement_ = 0;
    bool fitToContent_ = false;
    unsigned textFormat_ = 37;
    bool showFocus_ = true;
    bool applyDefaultLook_ = true;
    ColorRef clickedTextColor_ = kNoColor;
    QRect captionRect_;
    QRect pictureRect_;
    bool layoutPending_ = false;
};
