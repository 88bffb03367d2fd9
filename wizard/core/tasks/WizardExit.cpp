#include "WizardExit.h"

UserMessage ExitQuestion()
{
    return {MessageQuestion, QStringLiteral(LANG_KEY("Exit")), QStringLiteral(LANG_KEY("Leave Massage"))};
}

std::optional<int> ExitCodeForAnswer(int answer)
{
    if (answer == AnswerYes)
        return ConfirmedExitCode;
    return std::nullopt;
}
