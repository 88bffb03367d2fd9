// A message box the wizard asks its window to show, and the same with its
// texts looked up.
#pragma once

#include "CLanguageTable.h"

#include <QString>

enum MessageBoxType {
    MessageWarning = 1,  // OK
    MessageQuestion = 2, // Yes and No
    MessageNotice = 3,   // OK
};

// Answers of the message box.
enum MessageBoxAnswer {
    AnswerOk = 1,
    AnswerEscape = 2,
    AnswerYes = 6,
    AnswerNo = 7,
};

// Caption and message are language keys; an empty caption key stands for an
// empty caption, not for a key to look up.
struct UserMessage {
    int boxType = MessageWarning;
    QString captionKey;
    QString messageKey;

    bool operator==(const UserMessage&) const = default;
};

struct MessageBoxText {
    int boxType = MessageWarning;
    QString caption;
    QString message;

    bool operator==(const MessageBoxText&) const = default;
};

// A page's warning: type 1 with the caption key "Waring".
UserMessage PageWarningMessage(const QString& messageKey);

MessageBoxText TranslateMessage(const UserMessage& message, const CLanguageTable& language);
