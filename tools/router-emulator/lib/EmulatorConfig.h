// Everything the emulated router is started with.
#pragma once

#include "FaultMode.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

struct EmulatorConfig {
    std::string bindAddress = "127.0.0.1";
    std::uint16_t port = 0; // 0: the system picks a free port
    std::string userName = "admin";
    std::string password = "qzmvx";
    // Sent as is as the answer of "/goform/WizardModeSel".
    std::string detectedWanType = "2";
    // The provider account a PPPoE link comes up with.
    std::string ispUserName = "isp-user";
    std::string ispPassword = "isp-pass";
    std::chrono::milliseconds linkUpDelay{0};
    std::chrono::milliseconds rebootDuration{0};
    // The three addresses of "/mac_clone.asp": the PC's, the WAN port's
    // current one and the factory one.
    std::string cloneMac = "02:11:22:33:44:55";
    std::string defaultMac = "02:C0:FF:EE:00:01";
    std::string factoryMac = "02:C0:FF:EE:00:01";
    // Given out on the WAN side once a dynamic or PPPoE link is up.
    std::string wanAddress = "100.64.10.23";
    std::string wanMask = "255.255.255.0";
    std::string wanGateway = "100.64.10.1";
    FaultMode fault = FaultMode::None;
    std::chrono::milliseconds dripGap{20};
    std::size_t oversizedBodyBytes = 10 * 1024 * 1024;
    // A client that has not sent a whole request by then is dropped.
    std::chrono::milliseconds requestTimeout{10000};
};
