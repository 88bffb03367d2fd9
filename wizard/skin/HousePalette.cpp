#include "HousePalette.h"

namespace {

// The house blue of the skinned links and buttons.
const QColor kHouseBlue(37, 81, 178);
// Greys dark enough for 4.5 : 1 on the light fields even when disabled.
const QColor kDisabledText(100, 100, 100);
const QColor kPlaceholder(110, 110, 110);

} // namespace

QPalette HousePalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor face(240, 240, 240);
    QPalette palette(black, face, white, QColor(160, 160, 160), QColor(200, 200, 200), black, white, white, face);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Shadow, QColor(105, 105, 105));
    palette.setColor(QPalette::Highlight, kHouseBlue);
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, kHouseBlue);
    palette.setColor(QPalette::LinkVisited, QColor(128, 0, 0));
    palette.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::PlaceholderText, kPlaceholder);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kDisabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(160, 160, 160));
    return palette;
}
