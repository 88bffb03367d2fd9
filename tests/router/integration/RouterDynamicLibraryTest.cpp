#include "CDLLObject.h"
#include "RouterEmulator.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

// The built library, loaded the way Setup loads it: by file and by export name.
// Its wireless step pauses the router's full 2000 ms.
class RouterDynamicLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = dlopen(CORVANELIB_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        load = reinterpret_cast<LoadObjFunction>(dlsym(library, "LoadObj"));
        free = reinterpret_cast<FreeObjFunction>(dlsym(library, "FreeObj"));
        ASSERT_NE(load, nullptr);
        ASSERT_NE(free, nullptr);
        ASSERT_EQ(load(&router), 1);
        ASSERT_NE(router, nullptr);
        emulator.Start();
    }

    void TearDown() override
    {
        emulator.Stop();
        if (free != nullptr) {
            EXPECT_EQ(free(router), 1);
        }
        if (library != nullptr) {
            dlclose(library);
        }
    }

    RouterEndpoint Endpoint() const { return RouterEndpoint{"127.0.0.1", emulator.Port(), "admin", "qzmvx"}; }

    void* library = nullptr;
    LoadObjFunction load = nullptr;
    FreeObjFunction free = nullptr;
    CDLLObject* router = nullptr;
    RouterEmulator emulator;
};

TEST_F(RouterDynamicLibrary, EveryOperationWorksThroughTheExports)
{
    EXPECT_EQ(router->CheckLogin(Endpoint()), 1);
    EXPECT_EQ(router->DetectWanType(Endpoint()), 2);
    EXPECT_EQ(router->GetCableStatus(Endpoint()), 1);
    EXPECT_EQ(router->CheckCable(Endpoint()), 1);
    ASSERT_EQ(router->ReadMacAddresses(Endpoint()), 1);
    MacInfo mac;
    router->GetMacInfo(mac);
    EXPECT_EQ(mac.cloneMac, "02:11:22:33:44:55");

    router->SetRouterInfo(RouterInfo{"127.0.0.1", "admin", "qzmvx", 3});
    router->SetPppoeInfo(PppoeInfo{"isp-user", "isp-pass", mac.cloneMac});
    router->SetStaticIpInfo(StaticIpInfo{});
    router->SetPptpInfo(PptpInfo{});
    router->SetReservedInfo(ReservedInfo{});
    router->SetWanStatusInfo(WanStatusInfo{});
    mac.wanMac = mac.cloneMac;
    router->SetMacInfo(mac);
    EXPECT_EQ(router->ConnectWan(Endpoint()), 1);
    EXPECT_EQ(router->ApplyWanSettings(Endpoint()), 1);

    router->SetWirelessInfo(WirelessInfo{"Home", 11, 1, false});
    router->SetSecurityInfo(SecurityInfo{});
    EXPECT_EQ(router->ApplyWirelessBasic(Endpoint()), 1);
    EXPECT_EQ(router->ApplyWirelessSecurity(Endpoint()), 1);
    EXPECT_EQ(router->ApplyWirelessSettings(Endpoint()), 1);
    EXPECT_EQ(router->ApplyMacClone(Endpoint()), 1);

    ASSERT_EQ(router->ReadWanStatus(Endpoint()), 1);
    WanStatusInfo status;
    router->GetWanStatusInfo(status);
    EXPECT_EQ(status.connectionType, "PPPoE");
    EXPECT_EQ(status.wanMac, mac.cloneMac);

    const RouterSnapshot state = emulator.State();
    EXPECT_EQ(state.wanType, WanPppoe);
    EXPECT_EQ(state.wireless.Get("n_extcha"), "7");
    EXPECT_EQ(state.security.Get("security_mode"), "Disable");
    EXPECT_TRUE(state.cloneEnabled);
    EXPECT_EQ(state.rebootCount, 1);
}

TEST_F(RouterDynamicLibrary, RefusedLoginAndNullFree)
{
    EXPECT_EQ(router->CheckLogin(RouterEndpoint{"127.0.0.1", emulator.Port(), "admin", "guess"}), 0);
    EXPECT_EQ(free(nullptr), 1);
}

} // namespace
