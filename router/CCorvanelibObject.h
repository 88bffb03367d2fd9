// The router-access object behind CDLLObject: stored copies of the
// wizard's records and the router operations built on them.
#pragma once

#include "CDLLObject.h"
#include "CRouterHttpClient.h"
#include "HttpTimeouts.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

class CCorvanelibObject final : public CDLLObject {
public:
    using Pause = std::function<void(std::chrono::milliseconds)>;
    static constexpr std::chrono::milliseconds kWirelessPause{2000};

    // `wirelessPause` is how long the router gets between the two wireless steps;
    // `lookup` resolves a router address given by name.
    explicit CCorvanelibObject(HttpTimeouts timeouts = {}, Pause pause = SleepFor,
                               std::chrono::milliseconds wirelessPause = kWirelessPause,
                               NameLookup lookup = SystemNameLookup);
    static void SleepFor(std::chrono::milliseconds duration);
    ~CCorvanelibObject() = default;
    CCorvanelibObject(const CCorvanelibObject&) = delete;
    CCorvanelibObject& operator=(const CCorvanelibObject&) = delete;

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
    std::optional<HttpAnswer> ReadPage(const RouterEndpoint& endpoint, const std::string& path) const;
    int Submit(const RouterEndpoint& endpoint, const std::string& path, const std::string& body) const;

    CRouterHttpClient http_;
    Pause pause_;
    std::chrono::milliseconds wirelessPause_;
    RouterInfo routerInfo_;
    MacInfo macInfo_;
    SecurityInfo securityInfo_;
    StaticIpInfo staticIpInfo_;
    PppoeInfo pppoeInfo_;
    PptpInfo pptpInfo_;
    WirelessInfo wirelessInfo_;
    ReservedInfo reservedInfo_;
    WanStatusInfo wanStatusInfo_;
};
