// Where a page's step number is drawn against the circle it belongs in.
#pragma once

#include <QPointF>

#include <optional>

class QWidget;

// The centre of the number's ink minus the circle's centre, in logical
// pixels; nothing when the page shows no step number.
std::optional<QPointF> StepNumberOffset(QWidget* page);
