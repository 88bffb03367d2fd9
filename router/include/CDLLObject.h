// The interface between Setup and Corvanelib: the boundary records and the
// abstract router-access object. Strings are 8-bit (UTF-8 on this platform).
#pragma once

#include <cstdint>
#include <string>

struct RouterEndpoint {
    std::string address;
    std::uint16_t port = 80;
    std::string userName;
    std::string password;
};

struct RouterInfo {
    std::string address;
    std::string userName;
    std::string password;
    int wanType = 0; // 1 Static IP, 2 Dynamic IP, 3 PPPoE, 4 PPTP, 5 L2TP
};

// Five strings; GetMacInfo copies only the first four back out.
struct MacInfo {
    std::string factoryMac;
    std::string defaultMac;
    std::string cloneMac;
    std::string wanMac;
    std::string hostName;
};

struct StaticIpInfo {
    std::string ipAddress;
    std::string subnetMask;
    std::string gateway;
    std::string dns1;
    std::string dns2;
    std::string macAddress;
};

struct PppoeInfo {
    std::string userName;
    std::string password;
    std::string macAddress;
};

// Serves both PPTP and L2TP.
struct PptpInfo {
    std::string serverAddress;
    std::string userName;
    std::string password;
    int addressMode = 0; // 1: address from the provider; otherwise the fixed address below
    std::string wanIp;
    std::string wanMask;
    std::string wanGateway;
};

struct WirelessInfo {
    std::string ssid;
    int channel = 0;         // 0 automatic, else 1..13
    int mode = 0;            // 1 b/g/n mixed, else b/g mixed
    bool broadcastSsid = false;
};

struct SecurityInfo {
    int securityMode = 0;    // 0 none, 1 WEP, 2 WPA-PSK, 3 WPA2-PSK
    int wepAuthMode = 0;     // 0 open system, nonzero shared key
    int wepKeyFormat = 0;    // 0 ASCII, nonzero hexadecimal
    int wepKeyIndex = 0;     // 0..3
    int wepKeyLength = 0;
    std::string wepKey;
    int wpaCipher = 0;       // 0 TKIP, nonzero AES
    int passphraseLength = 0;
    std::string passphrase;  // already escaped for a form body
    int keyRenewalInterval = 0;
};

// The first five strings come from the router; the rest is Setup's own copy
// of what it wrote, shown on the result page.
struct WanStatusInfo {
    std::string connectionType;
    std::string wanIp;
    std::string subnetMask;
    std::string gateway;
    std::string wanMac;
    std::string ssid;
    int channel = 0;
    int mode = 0;
    bool broadcastSsid = false;
    int securityMode = 0;
    std::string securityKey;
};

struct ReservedInfo {
    std::string text1;
    std::string text2;
    int value = 0;
    std::string text3;
    std::string text4;
    std::string text5;
    std::string text6;
    std::string text7;
};

// Router operations return 1 done, 0 a negative answer, -1 no answer
// (DetectWanType also 1..4 and -2). The object is not thread-safe.
class CDLLObject {
public:
    virtual int CheckLogin(RouterEndpoint endpoint) = 0;
    virtual int GetCableStatus(RouterEndpoint endpoint) = 0;
    virtual int DetectWanType(RouterEndpoint endpoint) = 0;
    virtual int ReadMacAddresses(RouterEndpoint endpoint) = 0;
    virtual int CheckCable(RouterEndpoint endpoint) = 0;
    virtual int ConnectWan(RouterEndpoint endpoint) = 0;
    virtual int ApplyWanSettings(RouterEndpoint endpoint) = 0;
    virtual int ApplyWirelessBasic(RouterEndpoint endpoint) = 0;
    virtual int ApplyWirelessSecurity(RouterEndpoint endpoint) = 0;
    virtual int ReadWanStatus(RouterEndpoint endpoint) = 0;
    virtual int ApplyMacClone(RouterEndpoint endpoint) = 0;
    virtual int ApplyWirelessSettings(RouterEndpoint endpoint) = 0;
    virtual void SetRouterInfo(const RouterInfo& info) = 0;
    virtual void SetMacInfo(const MacInfo& info) = 0;
    virtual void SetSecurityInfo(const SecurityInfo& info) = 0;
    virtual void SetStaticIpInfo(const StaticIpInfo& info) = 0;
    virtual void SetPppoeInfo(const PppoeInfo& info) = 0;
    virtual void SetPptpInfo(const PptpInfo& info) = 0;
    virtual void SetWirelessInfo(const WirelessInfo& info) = 0;
    virtual void SetReservedInfo(const ReservedInfo& info) = 0;
    virtual void SetWanStatusInfo(const WanStatusInfo& info) = 0;
    virtual void GetMacInfo(MacInfo& out) = 0;          // first four strings only
    virtual void GetWanStatusInfo(WanStatusInfo& out) = 0; // first five strings only

protected:
    // Objects are destroyed only through FreeObj, never through this interface.
    ~CDLLObject() = default;
};

// The library's two exports, looked up by these plain names.
extern "C" {
using LoadObjFunction = int (*)(CDLLObject** object);
using FreeObjFunction = int (*)(CDLLObject* object);
}
