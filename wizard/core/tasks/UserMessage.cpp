#include "UserMessage.h"

UserMessage PageWarningMessage(const QString& messageKey)
{
    return {MessageWarning, QStringLiteral(LANG_KEY("Waring")), messageKey};
}

MessageBoxText TranslateMessage(const UserMessage& message, const CLanguageTable& language)
{
    const QString caption = message.captionKey.isEmpty() ? QString() : language.GetText(message.captionKey);
    return {message.boxType, caption, language.GetText(message.messageKey)};
}
