// The text phone cameras read to join a wireless network:
// WIFI:T:<type>;S:<name>;P:<key>;[H:true;];
#pragma once

#include "CDLLObject.h"

#include <QString>

// Backslash, semicolon, comma, colon and double quote get a backslash.
QString EscapeWifiUriValue(const QString& value);

// From the wireless values the pages wrote into the status record; an
// open network carries no key.
QString WifiUri(const WanStatusInfo& status);
