// A skin picture made ready for its dialog: read once, then cut into the
// window's shape and a copy that paints with the key colour transparent.
#pragma once

#include "ColorRef.h"

#include <QImage>
#include <QRegion>
#include <QString>

struct PreparedSkin {
    QImage plain;
    QRegion region;
    QImage keyed;
};

// The skin at an already resolved path; all parts are empty when it cannot be read.
PreparedSkin PrepareSkin(const QString& path, ColorRef keyColor);
