// A copy of the emulated router's state at one moment, as tests and the
// page renderer see it.
#pragma once

#include "FormFields.h"

#include <string>

// The router's own numbering of connection types (WANT and conTypeIdx).
enum RouterWanType {
    WanStaticIp = 1,
    WanDynamicIp = 2,
    WanPppoe = 3,
    WanL2tp = 4,
    WanPptp = 5,
};

// "cableDSL" values of the status page.
enum class LinkState { Disconnected = 0, Connecting = 1, Connected = 2 };

struct RouterSnapshot {
    int wanType = WanDynamicIp;
    FormFields wanFields; // the last accepted wizard submission
    bool cloneEnabled = false;
    std::string wanMac;
    FormFields wireless;
    FormFields security;
    int wizardSubmissions = 0;
    int reconnectCount = 0;
    int rebootCount = 0;
    bool rebooting = false;
    LinkState link = LinkState::Disconnected;
    // As the status page shows them: "0.0.0.0" while the link is not up.
    std::string wanAddress;
    std::string wanMask;
    std::string wanGateway;
};
