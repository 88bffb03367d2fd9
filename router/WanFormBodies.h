// Form bodies of the WAN submissions, built from the stored records.
// Values go in exactly as stored: the wizard escapes what the user typed.
#pragma once

#include "CDLLObject.h"

#include <string>

namespace WanFormBodies {

inline constexpr const char* kConnectWanBody = "CMD=WAN_CON&GO=system_status.asp&action=1";

// The WizardHandle body for `router.wanType`; empty for an unknown type.
std::string BuildWanSettingsBody(const RouterInfo& router, const StaticIpInfo& staticIp, const MacInfo& mac,
    const PppoeInfo& pppoe, const PptpInfo& tunnel);
std::string BuildStaticIpBody(const StaticIpInfo& staticIp);
std::string BuildDynamicIpBody(const MacInfo& mac);
std::string BuildPppoeBody(const PppoeInfo& pppoe);
std::string BuildPptpBody(const PptpInfo& tunnel);
std::string BuildL2tpBody(const PptpInfo& tunnel);
// Also asks the router to reboot.
std::string BuildMacCloneBody(const MacInfo& mac);

} // namespace WanFormBodies
