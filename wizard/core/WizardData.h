// Everything the pages and the router tasks share for one run of the wizard.
#pragma once

#include "CDLLObject.h"
#include "CLanguageTable.h"
#include "LinkCheckCause.h"

#include <optional>
#include <string>

// The router's factory login, used until the settings name another.
inline constexpr char kDefaultRouterAddress[] = "192.168.0.1";
inline constexpr char kDefaultRouterUser[] = "admin";
inline constexpr char kDefaultRouterPassword[] = "qzmvx";

struct WizardData {
    WizardData() { routerInfo = RouterInfo{kDefaultRouterAddress, kDefaultRouterUser, kDefaultRouterPassword, 0}; }

    RouterInfo routerInfo;
    MacInfo macInfo;
    SecurityInfo securityInfo;
    StaticIpInfo staticIpInfo;
    PppoeInfo pppoeInfo;
    WirelessInfo wirelessInfo;
    PptpInfo pptpInfo;
    WanStatusInfo wanStatusInfo;
    CDLLObject* router = nullptr;
    CLanguageTable language;

    int wanConnectApplied = 0;   // set once the account check has sent the WAN settings
    PppoeInfo appliedPppoeInfo;  // the account those settings carried
    std::string chosenWanMac;    // the WAN MAC the MAC clone page accepted
    int pageIndex = 0;           // 0..12, or 216 for the language page
    LinkCheckCause linkCheckCause = LinkCheckCause::None;  // why the last link check failed
    std::optional<int> accountCheckResult;                 // the last account check's result

    RouterEndpoint Endpoint() const;
};
