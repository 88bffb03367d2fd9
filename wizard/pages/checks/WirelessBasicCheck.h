// The wireless basic page: SSID, mode, channel and broadcast.
#pragma once

#include "CDLLObject.h"
#include "CLanguageTable.h"
#include "UserMessage.h"

#include <QString>
#include <QStringList>

#include <optional>

inline constexpr int SsidMaxLength = 32;

struct WirelessEntry {
    QString ssid;
    int channelIndex = 5; // channel 6
    int modeIndex = 1;    // b/g/n mixed
    bool broadcast = true;
};

// What the page shows before the user changes anything: the trimmed
// "SSID Value" text, channel 6, b/g/n mixed, broadcast on.
WirelessEntry DefaultWirelessEntry(const CLanguageTable& language);

// "1" to "13"; the channel is the index + 1.
QStringList ChannelTexts();

// Language keys of the mode list in index order.
QStringList WirelessModeKeys();

// Not empty, at most 32 characters, only ASCII letters, digits, '_', ' ', '-'.
bool IsValidSsid(const QString& ssid);

// On success fills the record and copies the four values into the result
// page's status; a rejected SSID changes neither.
std::optional<UserMessage> CollectWirelessSettings(const WirelessEntry& entry, WirelessInfo& record,
                                                   WanStatusInfo& status);
