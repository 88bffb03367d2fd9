#include "PppoeCheck.h"

#include "AddressRules.h"
#include "CheckList.h"

std::optional<UserMessage> CollectPppoeSettings(const PppoeEntry& entry, PppoeInfo& record)
{
    // Emptiness is judged on the text as typed: a value that escaping drops
    // passes and is stored empty.
    auto warning = FirstFailedCheck({
        {!entry.account.isEmpty(), LANG_KEY("Account Empty")},
        {!entry.password.isEmpty(), LANG_KEY("Password Empty")},
    });
    if (warning)
        return warning;
    record.userName = EscapeFormValue(entry.account).toStdString();
    record.password = EscapeFormValue(entry.password).toStdString();
    return std::nullopt;
}

UserMessage AccountCheckMessage(int result)
{
    const QString key = result == 1 ? QStringLiteral(LANG_KEY("Check accounts correct"))
                                    : QStringLiteral(LANG_KEY("Check accounts inaccuracy"));
    return {MessageWarning, QString(), key};
}
