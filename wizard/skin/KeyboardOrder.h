// Keyboard and screen-reader wiring of a dialog built from a template.
#pragma once

#include <QList>

class QWidget;

// The controls of `dialog` that Tab can reach (direct children and the parts
// of composite fields), in reading order: rows top to bottom, each row left
// to right. Hidden and disabled controls are listed too, so the order holds
// when a page shows or enables them later; Tab skips them while they are off.
QList<QWidget*> ReadingOrder(const QWidget* dialog);

// The control a person starts on: the first in reading order that is shown,
// enabled and takes input (read-only fields only report). Null when none.
QWidget* FirstEntryControl(const QWidget* dialog);

// Chains the dialog's controls in reading order for Tab and Shift+Tab.
void SetReadingTabOrder(const QWidget* dialog);
