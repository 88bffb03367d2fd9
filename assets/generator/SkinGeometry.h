// Pixel sizes the skin toolkit and the dialog templates rely on (96 DPI).
#pragma once

#include <QPoint>
#include <QSize>

namespace SkinGeometry {

inline constexpr QSize kFrame{673, 500};
inline constexpr QSize kPage{648, 360};
inline constexpr QSize kProgress{453, 130};
inline constexpr QSize kMessageBox{420, 195};
inline constexpr QSize kMessageIcon{64, 64};
inline constexpr QSize kLinkError{756, 308};
inline constexpr QSize kCommonButton{100, 30};
inline constexpr QSize kLittleButton{72, 24};
inline constexpr QSize kWideButton{120, 30};
inline constexpr QSize kCardButton{160, 30};
inline constexpr QSize kCheckBox{20, 20};
inline constexpr QSize kCursor{32, 32};

// The circle behind each page's step number; the pages centre the number in it.
inline constexpr QPoint kStepBadgeCentre{40, 36};
inline constexpr int kStepBadgeRadius = 30;

inline constexpr int kBannerBottom = 68;
inline constexpr int kBottomBarTop = 432;
inline constexpr int kFrameRadius = 18;
inline constexpr int kDialogRadius = 14;

}  // namespace SkinGeometry
