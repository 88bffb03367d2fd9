// A router that answers every operation at once with success and valid
// addresses, so a benchmark sees only the worker's own time.
#pragma once

#include "SucceedingRouter.h"

class InstantRouter : public SucceedingRouter {
public:
    int DetectWanType(RouterEndpoint) override { return 3; }
    void GetMacInfo(MacInfo& out) override
    {
        out.factoryMac = "00:11:22:33:44:55";
        out.defaultMac = "00:11:22:33:44:56";
        out.cloneMac = "00:11:22:33:44:57";
        out.wanMac = out.defaultMac;
    }
    void GetWanStatusInfo(WanStatusInfo& out) override
    {
        out.connectionType = "PPPoE";
        out.wanIp = "100.64.0.2";
        out.subnetMask = "255.255.255.0";
        out.gateway = "100.64.0.1";
        out.wanMac = "00:11:22:33:44:56";
    }
};
