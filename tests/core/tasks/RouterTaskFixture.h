// Runs router tasks against a strict scripted router, with every wait
// checked in the same sequence as the router calls.
#pragma once

#include "FakeHostAdapters.h"
#include "MockRouter.h"
#include "QtTestSupport.h"
#include "RouterTaskRunner.h"

#include <memory>

// Hands each task run the fixture's fake, so its calls can be read after
// the run has destroyed its adapters.
class ForwardingAdapters : public HostAdapters {
public:
    explicit ForwardingAdapters(FakeHostAdapters& fake) : fake_(fake) {}
    bool ResetAdaptersToDhcp() override { return fake_.ResetAdaptersToDhcp(); }
    HostResetFailure LastResetFailure() const override { return fake_.LastResetFailure(); }
    bool FindGatewayAddress(QString& gateway) override { return fake_.FindGatewayAddress(gateway); }

private:
    FakeHostAdapters& fake_;
};

class RouterTaskTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        data.router = &router;
        data.routerInfo = RouterInfo{"192.168.0.1", "admin", "secret", 3};
    }

    std::optional<int> Run(int task)
    {
        return RunProgressTask(task, data, sleeper, [this] {
            ++adapterObjects;
            return std::make_unique<ForwardingAdapters>(host);
        });
    }

    void ExpectWait(int milliseconds)
    {
        EXPECT_CALL(sleeper, Sleep(std::chrono::milliseconds(milliseconds)));
    }

    testing::StrictMock<MockRouter> router;
    testing::StrictMock<MockSleeper> sleeper;
    FakeHostAdapters host;
    int adapterObjects = 0;
    WizardData data;
};

// Matches an endpoint that carries the given router address and the login.
MATCHER_P(EndpointAt, address, "")
{
    return arg.address == address && arg.port == 80 && arg.userName == "admin" && arg.password == "secret";
}
