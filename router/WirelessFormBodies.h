// Form bodies of the wireless submissions, built from the stored records.
// The fixed values (802.11n parameters, extra SSIDs, WEP slots, RADIUS
// server) are what the router's pages expect for settings the wizard does not offer.
#pragma once

#include "CDLLObject.h"

#include <string>

namespace WirelessFormBodies {

std::string BuildWirelessBasicBody(const WirelessInfo& wireless);
std::string BuildWirelessSecurityBody(const SecurityInfo& security);
// Channel pairing of 802.11n: up four for channels 1 to 4, else down four.
long long ExtensionChannel(int channel);
std::string BuildWepBody(const SecurityInfo& security);
std::string BuildWpaBody(const SecurityInfo& security, bool wpa2);

} // namespace WirelessFormBodies
