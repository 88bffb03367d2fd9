// A router that answers every operation at once with success and valid
// addresses, so a benchmark sees only the worker's own time.
#pragma once

#include "CDLLObject.h"

class InstantRouter : public CDLLObject {
public:
    int CheckLogin(RouterEndpoint) override { return 1; }
    int GetCableStatus(RouterEndpoint) override { return 1; }
    int DetectWanType(RouterEndpoint) override { return 3; }
    int ReadMacAddresses(RouterEndpoint) override { return 1; }
    int CheckCable(RouterEndpoint) override { return 1; }
    int ConnectWan(RouterEndpoint) override { return 1; }
    int ApplyWanSettings(RouterEndpoint) override { return 1; }
    int ApplyWirelessBasic(RouterEndpoint) override { return 1; }
    int ApplyWirelessSecurity(RouterEndpoint) override { return 1; }
    int ReadWanStatus(RouterEndpoint) override { return 1; }
    int ApplyMacClone(RouterEndpoint) override { return 1; }
    int ApplyWirelessSettings(RouterEndpoint) override { return 1; }
    void SetRouterInfo(const RouterInfo&) override {}
    void SetMacInfo(const MacInfo&) override {}
    void SetSecurityInfo(const SecurityInfo&) override {}
    void SetStaticIpInfo(const StaticIpInfo&) override {}
    void SetPppoeInfo(const PppoeInfo&) override {}
    void SetPptpInfo(const PptpInfo&) override {}
    void SetWirelessInfo(const WirelessInfo&) override {}
    void SetReservedInfo(const ReservedInfo&) override {}
    void SetWanStatusInfo(const WanStatusInfo&) override {}
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
