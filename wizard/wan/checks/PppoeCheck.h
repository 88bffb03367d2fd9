// The PPPoE page: account and password as typed, checked and stored escaped.
#pragma once

#include "CDLLObject.h"
#include "UserMessage.h"

#include <QString>

#include <optional>

struct PppoeEntry {
    QString account;
    QString password;
};

// The warning of the first failed check, or none once the record holds the
// escaped values; a rejected entry leaves the record untouched.
std::optional<UserMessage> CollectPppoeSettings(const PppoeEntry& entry, PppoeInfo& record);

// What Check Accounts shows for the account check task's result.
UserMessage AccountCheckMessage(int result);
