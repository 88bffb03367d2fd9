// Finds the visible labels and buttons of a window whose translated text
// does not fit its control: wider than a single-line control, or taller
// than a word-wrapped label.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// One line per control that overflows, naming its id, text and sizes.
QStringList TextsThatDoNotFit(const QWidget* window);
