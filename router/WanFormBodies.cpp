#include "WanFormBodies.h"

namespace WanFormBodies {

namespace {

constexpr int kStaticIp = 1;
constexpr int kDynamicIp = 2;
constexpr int kPppoe = 3;
constexpr int kPptp = 4;
constexpr int kL2tp = 5;
constexpr int kAddressFromProvider = 1;

} // namespace

std::string BuildWanSettingsBody(const RouterInfo& router, const StaticIpInfo& staticIp, const MacInfo& mac,
    const PppoeInfo& pppoe, const PptpInfo& tunnel)
{
    switch (router.wanType) {
    case kStaticIp:
        return BuildStaticIpBody(staticIp);
    case kDynamicIp:
        return BuildDynamicIpBody(mac);
    case kPppoe:
        return BuildPppoeBody(pppoe);
    case kPptp:
        return BuildPptpBody(tunnel);
    case kL2tp:
        return BuildL2tpBody(tunnel);
    default:
        return {};
    }
}

std::string BuildStaticIpBody(const StaticIpInfo& staticIp)
{
    return "GO=wizard.asp&WANT=1&WANIP=" + staticIp.ipAddress + "&WANMSK=" + staticIp.subnetMask
        + "&WANGW=" + staticIp.gateway + "&DNS1=" + staticIp.dns1 + "&DNS2=" + staticIp.dns2
        + "&WMAC=" + staticIp.macAddress;
}

std::string BuildDynamicIpBody(const MacInfo& mac)
{
    return "GO=wizard.asp&WANT=2&WMAC=" + mac.wanMac + "&hostName=" + mac.hostName;
}

std::string BuildPppoeBody(const PppoeInfo& pppoe)
{
    return "GO=wizard.asp&WANT=3&PUN=" + pppoe.userName + "&PPW=" + pppoe.password + "&&WMAC=" + pppoe.macAddress;
}

// The router numbers PPTP 5 and L2TP 4, the other way round from wanType.
std::string BuildPptpBody(const PptpInfo& tunnel)
{
    std::string body = "GO=wizard.asp&WANT=5&pptpIP=" + tunnel.serverAddress + "&pptpPUN=" + tunnel.userName
        + "&pptpPPW=" + tunnel.password;
    if (tunnel.addressMode == kAddressFromProvider) {
        return body + "&pptpAdrMode=2";
    }
    return body + "&pptpAdrMode=1&pptpWANIP=" + tunnel.wanIp + "&pptpWANMSK=" + tunnel.wanMask
        + "&pptpWANGW=" + tunnel.wanGateway;
}

std::string BuildL2tpBody(const PptpInfo& tunnel)
{
    if (tunnel.addressMode == kAddressFromProvider) {
        return "GO=wizard.asp&WANT=4&l2tpIP=" + tunnel.serverAddress + "&l2tpPUN=" + tunnel.userName
            + "&l2tpPPW=" + tunnel.password + "&l2tpAdrMode=2";
    }
    return "GO=wizard.asp&WANT=4&WANIP=&WANMSK=&WANGW=&PUN=&PPW=&DNS1=&DNS2=&l2tpIP=" + tunnel.serverAddress
        + "&l2tpPUN=" + tunnel.userName + "&l2tpPPW=" + tunnel.password + "&l2tpAdrMode=1&l2tpWANIP="
        + tunnel.wanIp + "&l2tpWANMSK=" + tunnel.wanMask + "&l2tpWANGW=" + tunnel.wanGateway
        + "&pptpIP=&pptpPUN=&pptpPPW=&pptpAdrMode=" + "&pptpWANIP=&pptpWANMSK=&pptpWANGW=&rebootTag=";
}

std::string BuildMacCloneBody(const MacInfo& mac)
{
    // Cloning is on when the WAN port takes the address of the PC that read the page.
    const char* cloneFlag = mac.wanMac == mac.cloneMac ? "1" : "0";
    return std::string("GO=mac_clone.asp&rebootTag=1&cloneEn=") + cloneFlag + "&WMAC=" + mac.wanMac;
}

} // namespace WanFormBodies
