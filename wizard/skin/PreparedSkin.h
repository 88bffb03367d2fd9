// A skin picture made ready for its dialog: read once, cut into the window's
// shape, then made to paint with the key colour transparent in place. Only
// one copy of the pixels is kept: a fresh picture-sized buffer costs more to
// touch than to fill.
#pragma once

#include "ColorRef.h"

#include <QImage>
#include <QRegion>
#include <QString>

struct PreparedSkin {
    // Key colour transparent for a cut skin; as read for a plain picture.
    QImage picture;
    QRegion region;
};

// The picture cut by the key colour; both parts are empty for no picture.
PreparedSkin CutSkin(QImage plain, ColorRef keyColor);

// The skin at an already resolved path; both parts are empty when it cannot be read.
PreparedSkin PrepareSkin(const QString& path, ColorRef keyColor);
