// Gives the widgets of one class a screen-reader role of their own (an
// alert, a notification) where Qt would read them as a plain window.
#pragma once

#include <QAccessible>
#include <QString>

// Takes effect for widgets whose accessible interface is made afterwards;
// call it from the GUI thread before the first such widget shows.
void SetAccessibleRole(const QString& className, QAccessible::Role role);
