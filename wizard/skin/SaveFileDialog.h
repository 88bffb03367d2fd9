// The system's save dialog, with a test seam like the message box's preset
// answer: a preset choice is taken at once, without a window.
#pragma once

#include <QString>

#include <optional>

class QWidget;

// The file the person chose; empty when they cancelled.
QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath, const QString& filter);

// Test seam: the next ChooseSaveFile answers `path` (empty: cancelled)
// and records the suggested path instead of showing the dialog.
void SetNextSaveFileChoice(const QString& path);
// The path the last seamed call suggested.
std::optional<QString> TakeSuggestedSavePath();
