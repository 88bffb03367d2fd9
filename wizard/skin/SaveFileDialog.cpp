#include "SaveFileDialog.h"

#include <QFileDialog>

#include <utility>

namespace {

// GUI thread only, like the dialog itself.
std::optional<QString> nextChoice;
std::optional<QString> lastSuggestion;

} // namespace

QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath, const QString& filter)
{
    if (nextChoice) {
        lastSuggestion = suggestedPath;
        return std::exchange(nextChoice, std::nullopt).value();
    }
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

void SetNextSaveFileChoice(const QString& path)
{
    nextChoice = path;
}

std::optional<QString> TakeSuggestedSavePath()
{
    return std::exchange(lastSuggestion, std::nullopt);
}
