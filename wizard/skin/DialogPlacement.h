// Where a dialog opens: centred on the wizard's window, wherever the user
// dragged it, rather than wherever the window system would put it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The window every parentless dialog centres on; the frame names itself.
void SetDialogAnchor(QWidget* window);
QWidget* DialogAnchor();

// The top-left corner that puts a window of this size centred on the anchor.
QPoint CentredTopLeft(const QRect& anchor, QSize size);

// Moves a top-level dialog to the centre of its parent's window, or of the
// anchor when it has no parent; a window is never centred on itself.
void CentreOnAnchor(QWidget* dialog);
