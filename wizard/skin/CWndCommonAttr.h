// The attribute part shared by the skinned buttons, edits and labels: font,
// colours, transparency, tool tip and cursor of the owning widget.
#pragma once

#include "ColorRef.h"

#include <QBrush>
#include <QFont>
#include <QString>

#include <optional>

class QPainter;
class QWidget;

class CWndCommonAttr {
public:
    explicit CWndCommonAttr(QWidget* owner);
    virtual ~CWndCommonAttr() = default;
    CWndCommonAttr(const CWndCommonAttr&) = delete;
    CWndCommonAttr& operator=(const CWndCommonAttr&) = delete;

    virtual void SetToolTip(const QString& text, bool active = true);
    virtual void Redraw(bool erase) = 0;
    // Size in points at the screen's DPI; false leaves the previous font.
    virtual bool SetTextFont(int size, const QString& face, bool bold = false, bool italic = false,
                             bool underline = false, int width = 0);
    virtual void SetTextColor(ColorRef color);
    virtual void SetBkColor(ColorRef color);
    // Sets the text colour on the painter and answers the brush to fill the
    // background with (none when transparent). kNoColor means the stored colour.
    virtual QBrush PrepareDC(QPainter& painter, ColorRef text = kNoColor, ColorRef background = kNoColor) const;
    virtual void ActivateToolTip(bool on);

    void SetTransparent(bool transparent);

    ColorRef TextColor() const { return textColor_; }
    ColorRef BkColor() const { return bkColor_; }
    bool IsTransparent() const { return transparent_; }
    bool IsMouseOver() const { return mouseOver_; }

    // Builds the font the skinned controls use: pixel height size × DPI ÷ 72.
    static std::optional<QFont> MakeFont(int size, const QString& face, bool bold, bool italic, bool underline,
                                         int width);

protected:
    void SetMouseOver(bool over) { mouseOver_ = over; }

private:
    QWidget* owner_;
    ColorRef textColor_;
    ColorRef bkColor_ = kNoColor;
    bool transparent_ = true;
    bool mouseOver_ = false;
    QString toolTip_;
};
