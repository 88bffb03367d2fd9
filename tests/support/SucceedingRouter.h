// A router object that takes every record and answers every operation with
// success at once; fakes override only the answers they are about.
#pragma once

#include "CDLLObject.h"

class SucceedingRouter : public CDLLObject {
public:
    int CheckLogin(RouterEndpoint) override { return 1; }
    int GetCableStatus(RouterEndpoint) override { return 1; }
    int DetectWanType(RouterEndpoint) override { return 2; }
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
    void GetMacInfo(MacInfo&) override {}
    void GetWanStatusInfo(WanStatusInfo&) override {}
};
