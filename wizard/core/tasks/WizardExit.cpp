#include "WizardExit.h"

#include <cstdio>
#include <cstdlib>

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

void EndProcessNow(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
