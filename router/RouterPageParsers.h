// What the router's pages and answers say, read from their text.
#pragma once

#include "CDLLObject.h"
#include "HttpAnswer.h"

#include <optional>
#include <string>

namespace RouterPageParsers {

// The router refuses credentials with a 401 status or with its 401 text in the page.
bool IsLoginRefused(const HttpAnswer& answer);
// 1 when the status page gives cableDSL the value "2", else 0.
int CableStatusFromPage(const std::string& page);
// The WizardModeSel answer: 1 to 4 by its first character, -2 when empty, 0 otherwise.
int WanTypeFromDetection(const std::string& answer);
// Fills factory, default, clone and WAN MAC (the WAN one copies the default one).
void ReadMacAddresses(const std::string& page, MacInfo& mac);
// Fills the five WAN status strings; an unknown type index keeps connectionType.
void ReadWanStatus(const std::string& page, WanStatusInfo& status);
// The name of the status page's conTypeIdx value (there L2TP is 4 and PPTP 5).
std::optional<std::string> ConnectionTypeName(const std::string& index);

} // namespace RouterPageParsers
