// Dialog templates as data: the size of every dialog and page in dialog
// units, its font and its controls, the captions being language keys.
#pragma once

#include <QRect>

#include <vector>

enum class ControlKind { Static, Edit, PushButton, Hotspot, CheckBox, Radio, ComboBox, IpAddress, Picture, Group };

namespace ItemStyle {
inline constexpr unsigned kHidden = 0x01;
inline constexpr unsigned kReadOnly = 0x02;
inline constexpr unsigned kDigitsOnly = 0x04;
inline constexpr unsigned kCentered = 0x08;
inline constexpr unsigned kRightAligned = 0x10;
// First control of a radio group; the group runs to the next control so marked.
inline constexpr unsigned kGroupStart = 0x20;
} // namespace ItemStyle

struct DialogUnitRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct DialogItem {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    const char* caption = "";
    DialogUnitRect rect;
    unsigned style = 0;
};

struct DialogTemplate {
    int id = 0;
    int cx = 0;
    int cy = 0;
    const char* fontFace = "MS Shell Dlg";
    int pointSize = 8;
    std::vector<DialogItem> items;
};

// Null for an unknown id.
const DialogTemplate* FindDialogTemplate(int templateId);
std::vector<int> DialogTemplateIds();

// Dialog units to pixels with the 96-DPI base units 6 × 13.
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

inline QRect DialogUnitsToPixels(const DialogUnitRect& r)
{
    return QRect(r.x * kBaseUnitX / 4, r.y * kBaseUnitY / 8, r.cx * kBaseUnitX / 4, r.cy * kBaseUnitY / 8);
}
