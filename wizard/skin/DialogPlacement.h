// Where a dialog opens: over the wizard's window, owned by it, wherever the
// user dragged it, rather than wherever the window system would put it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The window every parentless dialog belongs to; the frame names itself.
void SetDialogAnchor(QWidget* window);
QWidget* DialogAnchor();

// The top-left corner that puts a window of this size centred on the anchor.
QPoint CentredTopLeft(const QRect& anchor, QSize size);

// Makes a top-level dialog a transient child of its parent's window, or of
// the anchor when it has no parent, so that every desktop keeps it above
// that window and opens it over it; then centres it there where the window
// system lets a program place its windows. A window never owns itself.
void PlaceOverAnchor(QWidget* dialog);
