// The MAC clone page: which MAC address the router's WAN port presents.
#pragma once

#include "CDLLObject.h"
#include "UserMessage.h"

#include <QString>

#include <optional>
#include <string>

// An accepted text goes into record.wanMac and chosenWanMac exactly as typed
// (letter case kept); a rejected one changes neither.
std::optional<UserMessage> CollectMacCloneSettings(const QString& text, MacInfo& record,
                                                   std::string& chosenWanMac);

// Clone and Restore take the router's clone or factory address at once,
// without a check; each returns the text the edit now shows.
QString CloneMac(MacInfo& record);
QString RestoreMac(MacInfo& record);

// The edit shows wanMac whenever the page is shown or hidden.
QString MacEditText(const MacInfo& record);
