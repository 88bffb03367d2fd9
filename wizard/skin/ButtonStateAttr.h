// What a skinned button looks like in one of its states.
#pragma once

#include "ColorRef.h"

#include <QCursor>
#include <QFont>

#include <optional>

struct ButtonStateAttr {
    ColorRef frameColor = kNoColor;
    ColorRef textColor = MakeColorRef(37, 81, 178);
    ColorRef bkColor = kNoColor;
    std::optional<QFont> font; // none: the widget's default font
    QCursor cursor{Qt::ArrowCursor};
};
