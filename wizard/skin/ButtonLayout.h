// Where a skinned button puts its caption and its picture, and the size it
// takes when it fits itself to its content.
#pragma once

#include <QRect>
#include <QSize>

#include <optional>

struct ButtonLayoutInput {
    QRect client;        // the button's client area
    QRect window;        // the button's geometry in its parent
    QSize textSize;      // size of the window text in the state-0 font
    QSize pictureSize;   // one strip frame; empty without a strip
    int arrangement = 0; // 0 text over picture, 1 picture left, 2 picture right, 3 picture only
    bool fitToContent = false;
    unsigned textFormat = 0;
    bool hasText = true;
};

struct ButtonLayoutResult {
    QRect caption;
    QRect picture;
    std::optional<QRect> window; // new geometry when fitting to content
};

ButtonLayoutResult LayoutButtonContent(const ButtonLayoutInput& in);

// Whether the laid-out button could depend on its text's size. A fitted
// caption over a picture grows the button only past the picture's height,
// and one line of text stays within twice its font's pixel size; measuring
// loads the font, which a window about to show would wait for.
bool LayoutNeedsTextSize(const ButtonLayoutInput& in, int fontPixels);
