// A result page over a fake host, its refreshes paced by a sleeper the test
// opens, with a router that answers with the status the test sets.
#pragma once

#include "CResultDlg.h"
#include "FakeWizardHost.h"
#include "PageTestSupport.h"
#include "RefreshFakes.h"

#include <memory>

class ResultPageFixture : public PageTest {
protected:
    // Without a router the page reads nothing.
    std::unique_ptr<CResultDlg> MakePage(bool withRouter)
    {
        host.data.router = withRouter ? &router : nullptr;
        auto gate = std::make_unique<GateSleeper>();
        sleeper = gate.get();
        return std::make_unique<CResultDlg>(nullptr, host, std::move(gate));
    }

    FakeWizardHost host;
    StatusRouter router;
    GateSleeper* sleeper = nullptr;
};
