#include "RouterGate.h"

#include <utility>

namespace {
constexpr int kNoAnswer = -1;
}

bool RouterGate::CloseIfIdle()
{
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock())
        return false;
    closed_ = true;
    return true;
}

int RouterGate::Operate(int (CDLLObject::*operation)(RouterEndpoint), RouterEndpoint endpoint)
{
    const std::lock_guard lock(mutex_);
    return closed_ ? kNoAnswer : (router_->*operation)(std::move(endpoint));
}

template <typename Record>
void RouterGate::Pass(void (CDLLObject::*access)(Record&), Record& record)
{
    const std::lock_guard lock(mutex_);
    if (!closed_)
        (router_->*access)(record);
}

int RouterGate::CheckLogin(RouterEndpoint endpoint) { return Operate(&CDLLObject::CheckLogin, std::move(endpoint)); }
int RouterGate::GetCableStatus(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::GetCableStatus, std::move(endpoint));
}
int RouterGate::DetectWanType(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::DetectWanType, std::move(endpoint));
}
int RouterGate::ReadMacAddresses(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::ReadMacAddresses, std::move(endpoint));
}
int RouterGate::CheckCable(RouterEndpoint endpoint) { return Operate(&CDLLObject::CheckCable, std::move(endpoint)); }
int RouterGate::ConnectWan(RouterEndpoint endpoint) { return Operate(&CDLLObject::ConnectWan, std::move(endpoint)); }
int RouterGate::ApplyWanSettings(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::ApplyWanSettings, std::move(endpoint));
}
int RouterGate::ApplyWirelessBasic(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::ApplyWirelessBasic, std::move(endpoint));
}
int RouterGate::ApplyWirelessSecurity(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::ApplyWirelessSecurity, std::move(endpoint));
}
int RouterGate::ReadWanStatus(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::ReadWanStatus, std::move(endpoint));
}
int RouterGate::ApplyMacClone(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::ApplyMacClone, std::move(endpoint));
}
int RouterGate::ApplyWirelessSettings(RouterEndpoint endpoint)
{
    return Operate(&CDLLObject::ApplyWirelessSettings, std::move(endpoint));
}

void RouterGate::SetRouterInfo(const RouterInfo& info) { Pass(&CDLLObject::SetRouterInfo, info); }
void RouterGate::SetMacInfo(const MacInfo& info) { Pass(&CDLLObject::SetMacInfo, info); }
void RouterGate::SetSecurityInfo(const SecurityInfo& info) { Pass(&CDLLObject::SetSecurityInfo, info); }
void RouterGate::SetStaticIpInfo(const StaticIpInfo& info) { Pass(&CDLLObject::SetStaticIpInfo, info); }
void RouterGate::SetPppoeInfo(const PppoeInfo& info) { Pass(&CDLLObject::SetPppoeInfo, info); }
void RouterGate::SetPptpInfo(const PptpInfo& info) { Pass(&CDLLObject::SetPptpInfo, info); }
void RouterGate::SetWirelessInfo(const WirelessInfo& info) { Pass(&CDLLObject::SetWirelessInfo, info); }
void RouterGate::SetReservedInfo(const ReservedInfo& info) { Pass(&CDLLObject::SetReservedInfo, info); }
void RouterGate::SetWanStatusInfo(const WanStatusInfo& info) { Pass(&CDLLObject::SetWanStatusInfo, info); }
void RouterGate::GetMacInfo(MacInfo& out) { Pass(&CDLLObject::GetMacInfo, out); }
void RouterGate::GetWanStatusInfo(WanStatusInfo& out) { Pass(&CDLLObject::GetWanStatusInfo, out); }
