// The program icon, the check-box cursors and the message-box symbols.
#pragma once

#include <QImage>
#include <QPoint>

class IconArt {
public:
    // Rounded tile with a router sending waves; transparent around it.
    static QImage Logo(int size);
    // Arrow pointer with a badge: a tick (will check) or a cross (will clear).
    static QImage Cursor(bool willCheck);
    static QPoint CursorHotSpot();
    // 1 warning, 2 question, 3 notice; drawn on the message box's white.
    static QImage MessageSymbol(int type);

private:
    static void PaintSymbolMark(QImage& image, int type);
};
