// The wireless half of the result page's status record, as the wireless
// and security pages leave it.
#pragma once

#include "CDLLObject.h"

inline void SetWireless(WanStatusInfo& status, const char* ssid, int securityMode, const char* key, bool broadcast)
{
    status.ssid = ssid;
    status.securityMode = securityMode;
    status.securityKey = key;
    status.broadcastSsid = broadcast;
}
