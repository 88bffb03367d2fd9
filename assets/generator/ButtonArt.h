// Picture strips of the push buttons (idle, hover, pressed, disabled) and
// of the check box (six states). Corners outside the rounded shape carry
// the key colour, which the buttons treat as transparent.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class ButtonArt {
public:
    enum class Tone { Blue, Teal, Slate };

    static QImage PushStrip(QSize frame, Tone tone);
    static QImage CheckBoxStrip();

private:
    struct Look {
        QColor top;
        QColor bottom;
        QColor border;
    };
    static Look IdleLook(Tone tone);
    static Look StateLook(Tone tone, int state);
    static void PaintPush(QImage& canvas, int index, QSize frame, const Look& look);
    static void PaintCheckBox(QImage& canvas, int index, bool checked, const Look& look);
};
