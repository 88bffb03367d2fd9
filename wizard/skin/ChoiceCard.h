// How a choice of the connection page looks as a card: a framed area with
// the choice's title above its description, and clearly different idle,
// hover, pressed and disabled looks.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

struct ChoiceCaption {
    QString title;
    QString description;
};

// "PPPoE: your provider gave you ..." gives the title "PPPoE" and the rest as
// description; the first ':' or full-width '：' divides them. Without one the
// whole text is the title.
ChoiceCaption SplitChoiceCaption(const QString& text);

struct CardColours {
    QColor fill;
    QColor border;
    QColor title;
    QColor description;
    int borderWidth;
};

// State as the skinned buttons count it: 0 idle, 1 hover, 2 pressed, 3 disabled.
CardColours CardColoursForState(int state, bool focused);

// count cards of equal height, `gap` apart, filling `area` from top to bottom.
std::vector<QRect> StackCards(const QRect& area, int count, int gap);

struct CardFonts {
    QFont title;
    QFont description;
};

// The two fonts of a card made from the button's own font.
CardFonts CardFontsFrom(const QFont& base);

// Draws the whole card into `rect`; a pressed card's content sinks by a pixel.
void PaintChoiceCard(QPainter& painter, const QRect& rect, const ChoiceCaption& caption, const CardFonts& fonts,
                     int state, bool focused);
