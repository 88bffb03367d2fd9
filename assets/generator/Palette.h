// The house colours of every generated picture.
#pragma once

#include <QColor>

namespace Palette {

inline const QColor kNavy{13, 59, 94};
inline const QColor kBlue{31, 127, 193};
inline const QColor kSky{120, 190, 230};
inline const QColor kTeal{21, 163, 168};
inline const QColor kPaleTeal{221, 243, 244};
inline const QColor kMist{238, 245, 249};
inline const QColor kLine{201, 220, 230};
inline const QColor kInk{28, 43, 57};
inline const QColor kSlate{120, 138, 153};
inline const QColor kWanPort{36, 120, 214};
inline const QColor kLanPort{240, 150, 50};
inline const QColor kLed{52, 196, 107};
inline const QColor kRed{224, 73, 62};
inline const QColor kAmber{240, 168, 40};
inline const QColor kWhite{255, 255, 255};

}  // namespace Palette
