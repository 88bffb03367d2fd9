#include "AutoAnswer.h"

#include <QtGlobal>

#include <cstdio>

std::optional<int> AutoAnswerFromEnvironment()
{
    bool ok = false;
    const int answer = qEnvironmentVariableIntValue("CORVANE_AUTO_ANSWER", &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void ReportAutoAnsweredBox(const QString& caption, const QString& message)
{
    std::fprintf(stderr, "message box: %s: %s\n", caption.toLocal8Bit().constData(),
                 message.toLocal8Bit().constData());
    std::fflush(stderr);
}
