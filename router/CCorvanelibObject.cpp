#include "CCorvanelibObject.h"

#include "RouterPageParsers.h"
#include "WanFormBodies.h"
#include "WirelessFormBodies.h"

#include <thread>
#include <utility>

namespace {

constexpr int kNoAnswer = -1;
constexpr int kSent = 1;

} // namespace

CCorvanelibObject::CCorvanelibObject(HttpTimeouts timeouts, Pause pause, std::chrono::milliseconds wirelessPause,
                                     NameLookup lookup)
    : http_(timeouts, std::move(lookup)), pause_(std::move(pause)), wirelessPause_(wirelessPause)
{
}

void CCorvanelibObject::SleepFor(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

std::optional<HttpAnswer> CCorvanelibObject::ReadPage(const RouterEndpoint& endpoint, const std::string& path) const
{
    return http_.Exchange(endpoint, path, {}, true);
}

int CCorvanelibObject::Submit(const RouterEndpoint& endpoint, const std::string& path, const std::string& body) const
{
    return http_.Exchange(endpoint, path, body, false) ? kSent : kNoAnswer;
}

int CCorvanelibObject::CheckLogin(RouterEndpoint endpoint)
{
    const auto answer = ReadPage(endpoint, "/main.html");
    if (!answer) {
        return kNoAnswer;
    }
    return RouterPageParsers::IsLoginRefused(*answer) ? 0 : 1;
}

int CCorvanelibObject::GetCableStatus(RouterEndpoint endpoint)
{
    const auto answer = ReadPage(endpoint, "/system_status.asp");
    return answer ? RouterPageParsers::CableStatusFromPage(answer->body) : kNoAnswer;
}

int CCorvanelibObject::DetectWanType(RouterEndpoint endpoint)
{
    const auto answer = ReadPage(endpoint, "/goform/WizardModeSel");
    return answer ? RouterPageParsers::WanTypeFromDetection(answer->body) : kNoAnswer;
}

int CCorvanelibObject::ReadMacAddresses(RouterEndpoint endpoint)
{
    const auto answer = ReadPage(endpoint, "/mac_clone.asp");
    if (!answer) {
        return kNoAnswer;
    }
    RouterPageParsers::ReadMacAddresses(answer->body, macInfo_);
    return 1;
}

int CCorvanelibObject::CheckCable(RouterEndpoint endpoint)
{
    return GetCableStatus(std::move(endpoint));
}

int CCorvanelibObject::ConnectWan(RouterEndpoint endpoint)
{
    return Submit(endpoint, "/goform/SysStatusHandle", WanFormBodies::kConnectWanBody);
}

int CCorvanelibObject::ApplyWanSettings(RouterEndpoint endpoint)
{
    // An unknown type gives an empty body, which goes out as a GET.
    const std::string body =
        WanFormBodies::BuildWanSettingsBody(routerInfo_, staticIpInfo_, macInfo_, pppoeInfo_, pptpInfo_);
    return Submit(endpoint, "/goform/WizardHandle", body);
}

int CCorvanelibObject::ApplyWirelessBasic(RouterEndpoint endpoint)
{
    return Submit(endpoint, "/goform/wirelessBasic", WirelessFormBodies::BuildWirelessBasicBody(wirelessInfo_));
}

int CCorvanelibObject::ApplyWirelessSecurity(RouterEndpoint endpoint)
{
    return Submit(endpoint, "/goform/APSecurity", WirelessFormBodies::BuildWirelessSecurityBody(securityInfo_));
}

int CCorvanelibObject::ReadWanStatus(RouterEndpoint endpoint)
{
    const auto answer = ReadPage(endpoint, "/system_status.asp");
    if (!answer) {
        return kNoAnswer;
    }
    RouterPageParsers::ReadWanStatus(answer->body, wanStatusInfo_);
    return 1;
}

int CCorvanelibObject::ApplyMacClone(RouterEndpoint endpoint)
{
    return Submit(endpoint, "/goform/AdvSetMacClone", WanFormBodies::BuildMacCloneBody(macInfo_));
}

int CCorvanelibObject::ApplyWirelessSettings(RouterEndpoint endpoint)
{
    // The router needs time to take the basic settings before the security ones;
    // only the security step's outcome is reported.
    ApplyWirelessBasic(endpoint);
    if (pause_) {
        pause_(wirelessPause_);
    }
    return ApplyWirelessSecurity(std::move(endpoint)) == kNoAnswer ? kNoAnswer : 1;
}

void CCorvanelibObject::SetRouterInfo(const RouterInfo& info) { routerInfo_ = info; }
void CCorvanelibObject::SetMacInfo(const MacInfo& info) { macInfo_ = info; }
void CCorvanelibObject::SetSecurityInfo(const SecurityInfo& info) { securityInfo_ = info; }
void CCorvanelibObject::SetStaticIpInfo(const StaticIpInfo& info) { staticIpInfo_ = info; }
void CCorvanelibObject::SetPppoeInfo(const PppoeInfo& info) { pppoeInfo_ = info; }
void CCorvanelibObject::SetPptpInfo(const PptpInfo& info) { pptpInfo_ = info; }
void CCorvanelibObject::SetWirelessInfo(const WirelessInfo& info) { wirelessInfo_ = info; }
void CCorvanelibObject::SetReservedInfo(const ReservedInfo& info) { reservedInfo_ = info; }
void CCorvanelibObject::SetWanStatusInfo(const WanStatusInfo& info) { wanStatusInfo_ = info; }

void CCorvanelibObject::GetMacInfo(MacInfo& out)
{
    // The host name stays inside: only ApplyWanSettings uses it.
    out.factoryMac = macInfo_.factoryMac;
    out.defaultMac = macInfo_.defaultMac;
    out.cloneMac = macInfo_.cloneMac;
    out.wanMac = macInfo_.wanMac;
}

void CCorvanelibObject::GetWanStatusInfo(WanStatusInfo& out)
{
    out.connectionType = wanStatusInfo_.connectionType;
    out.wanIp = wanStatusInfo_.wanIp;
    out.subnetMask = wanStatusInfo_.subnetMask;
    out.gateway = wanStatusInfo_.gateway;
    out.wanMac = wanStatusInfo_.wanMac;
}
