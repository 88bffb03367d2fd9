// Backgrounds of the wizard pages (648 x 360): a white card with a calm
// corner for the big step number and a clear band for the title.
#pragma once

#include <QImage>
#include <QPainter>

class PageArt {
public:
    enum class Kind { Welcome, Common };

    static QImage Background(Kind kind);
    // The common page look, for pictures that add their own content.
    static void PaintCommon(QPainter& painter);

private:
    static void PaintWelcome(QPainter& painter);
    static void PaintCornerRipples(QPainter& painter);
};
