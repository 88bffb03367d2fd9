#include "CheckList.h"

std::optional<UserMessage> FirstFailedCheck(std::initializer_list<PageCheck> checks)
{
    for (const PageCheck& check : checks) {
        if (!check.passed)
            return PageWarningMessage(QString::fromLatin1(check.messageKey));
    }
    return std::nullopt;
}
