// The one way into the router-access object, which has no locks of its
// own: every caller (the progress worker, the result page's refresh thread,
// the Refresh button) passes this gate, so one call runs at a time and a
// caller that arrives during another's exchange waits for it to end.
#pragma once

#include "CDLLObject.h"

#include <mutex>

class RouterGate final : public CDLLObject {
public:
    explicit RouterGate(CDLLObject* router) : router_(router) {}
    RouterGate(const RouterGate&) = delete;
    RouterGate& operator=(const RouterGate&) = delete;

    // When no call is running, shuts the gate for good and returns true:
    // later operations answer -1 at once and records go nowhere. False
    // while a call runs, which may take as long as its exchange.
    bool CloseIfIdle();

    int CheckLogin(RouterEndpoint endpoint) override;
    int GetCableStatus(RouterEndpoint endpoint) override;
    int DetectWanType(RouterEndpoint endpoint) override;
    int ReadMacAddresses(RouterEndpoint endpoint) override;
    int CheckCable(RouterEndpoint endpoint) override;
    int ConnectWan(RouterEndpoint endpoint) override;
    int ApplyWanSettings(RouterEndpoint endpoint) override;
    int ApplyWirelessBasic(RouterEndpoint endpoint) override;
    int ApplyWirelessSecurity(RouterEndpoint endpoint) override;
    int ReadWanStatus(RouterEndpoint endpoint) override;
    int ApplyMacClone(RouterEndpoint endpoint) override;
    int ApplyWirelessSettings(RouterEndpoint endpoint) override;
    void SetRouterInfo(const RouterInfo& info) override;
    void SetMacInfo(const MacInfo& info) override;
    void SetSecurityInfo(const SecurityInfo& info) override;
    void SetStaticIpInfo(const StaticIpInfo& info) override;
    void SetPppoeInfo(const PppoeInfo& info) override;
    void SetPptpInfo(const PptpInfo& info) override;
    void SetWirelessInfo(const WirelessInfo& info) override;
    void SetReservedInfo(const ReservedInfo& info) override;
    void SetWanStatusInfo(const WanStatusInfo& info) override;
    void GetMacInfo(MacInfo& out) override;
    void GetWanStatusInfo(WanStatusInfo& out) override;

private:
    int Operate(int (CDLLObject::*operation)(RouterEndpoint), RouterEndpoint endpoint);
    template <typename Record>
    void Pass(void (CDLLObject::*access)(Record&), Record& record);

    CDLLObject* router_;
    std::mutex mutex_;
    bool closed_ = false;
};
