// A scripted router-access object and sleeper for the task tests.
#pragma once

#include "CDLLObject.h"
#include "Sleeper.h"

#include <gmock/gmock.h>

class MockRouter : public CDLLObject {
public:
    MOCK_METHOD(int, CheckLogin, (RouterEndpoint), (override));
    MOCK_METHOD(int, GetCableStatus, (RouterEndpoint), (override));
    MOCK_METHOD(int, DetectWanType, (RouterEndpoint), (override));
    MOCK_METHOD(int, ReadMacAddresses, (RouterEndpoint), (override));
    MOCK_METHOD(int, CheckCable, (RouterEndpoint), (override));
    MOCK_METHOD(int, ConnectWan, (RouterEndpoint), (override));
    MOCK_METHOD(int, ApplyWanSettings, (RouterEndpoint), (override));
    MOCK_METHOD(int, ApplyWirelessBasic, (RouterEndpoint), (override));
    MOCK_METHOD(int, ApplyWirelessSecurity, (RouterEndpoint), (override));
    MOCK_METHOD(int, ReadWanStatus, (RouterEndpoint), (override));
    MOCK_METHOD(int, ApplyMacClone, (RouterEndpoint), (override));
    MOCK_METHOD(int, ApplyWirelessSettings, (RouterEndpoint), (override));
    MOCK_METHOD(void, SetRouterInfo, (const RouterInfo&), (override));
    MOCK_METHOD(void, SetMacInfo, (const MacInfo&), (override));
    MOCK_METHOD(void, SetSecurityInfo, (const SecurityInfo&), (override));
    MOCK_METHOD(void, SetStaticIpInfo, (const StaticIpInfo&), (override));
    MOCK_METHOD(void, SetPppoeInfo, (const PppoeInfo&), (override));
    MOCK_METHOD(void, SetPptpInfo, (const PptpInfo&), (override));
    MOCK_METHOD(void, SetWirelessInfo, (const WirelessInfo&), (override));
    MOCK_METHOD(void, SetReservedInfo, (const ReservedInfo&), (override));
    MOCK_METHOD(void, SetWanStatusInfo, (const WanStatusInfo&), (override));
    MOCK_METHOD(void, GetMacInfo, (MacInfo&), (override));
    MOCK_METHOD(void, GetWanStatusInfo, (WanStatusInfo&), (override));
};

class MockSleeper : public Sleeper {
public:
    MOCK_METHOD(void, Sleep, (std::chrono::milliseconds), (override));
};
