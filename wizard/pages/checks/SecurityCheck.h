// The security page's check and record: only the chosen mode's fields.
#pragma once

#include "CDLLObject.h"
#include "SecurityView.h"
#include "UserMessage.h"

#include <QString>

#include <optional>

struct SecurityEntry {
    int mode = SecurityDisabled;
    int authenticationIndex = 0;
    int keyFormatIndex = 0; // 0 ASCII, 1 hexadecimal
    int transmitKeyIndex = 0;
    QString wepKey;
    int cipherIndex = 0;
    QString passphrase;
    QString renewalTime = QString::fromLatin1(InitialRenewalTime);
};

// On success writes securityMode and the chosen mode's fields (fields of
// other modes keep their values) and updates the result page's status;
// a rejected entry changes neither record.
std::optional<UserMessage> CollectSecuritySettings(const SecurityEntry& entry, SecurityInfo& record,
                                                   WanStatusInfo& status);
