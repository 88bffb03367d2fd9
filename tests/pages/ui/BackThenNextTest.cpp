// Back from the result page, then Next on the security page: the hidden
// page's status reads and the save task share one router object, which
// must see one caller at a time. Under ThreadSanitizer the router's
// unguarded state also shows any overlap as a data race.
#include "ProgressTask.h"
#include "RefreshFakes.h"
#include "ResultRefresher.h"
#include "RouterGate.h"
#include "RouterTaskRunner.h"

#include "FakeHostAdapters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>

namespace {

using std::chrono::milliseconds;

// Counts how many calls are inside it at once; each call takes a moment,
// as an exchange would, and writes state that has no lock.
class OverlapRouter : public SucceedingRouter {
public:
    int ReadWanStatus(RouterEndpoint endpoint) override { return Call(endpoint.address, milliseconds(20)); }
    int ApplyWanSettings(RouterEndpoint endpoint) override { return Call(endpoint.address, milliseconds(5)); }
    int ApplyWirelessSettings(RouterEndpoint endpoint) override { return Call(endpoint.address, milliseconds(5)); }
    void SetRouterInfo(const RouterInfo& info) override { Call(info.address, {}); }
    void SetWirelessInfo(const WirelessInfo& info) override { Call(info.ssid, {}); }
    void GetWanStatusInfo(WanStatusInfo& out) override
    {
        Call({}, {});
        out.connectionType = lastCaller_;
    }

    int MostAtOnce() const { return mostAtOnce_.load(); }
    int Reads() const { return reads_.load(); }
    void HoldReads()
    {
        const std::lock_guard lock(mutex_);
        held_ = true;
    }
    void ReleaseReads()
    {
        {
            const std::lock_guard lock(mutex_);
            held_ = false;
        }
        reading_.notify_all();
    }
    bool WaitUntilReading()
    {
        std::unique_lock lock(mutex_);
        return reading_.wait_for(lock, std::chrono::seconds(10), [this] { return readStarted_; });
    }

private:
    int Call(const std::string& caller, milliseconds duration)
    {
        const int inside = ++inside_;
        mostAtOnce_.store(std::max(mostAtOnce_.load(), inside));
        lastCaller_ = caller;
        if (duration.count() > 0) {
            ++reads_;
            std::unique_lock lock(mutex_);
            readStarted_ = true;
            reading_.notify_all();
            reading_.wait(lock, [this] { return !held_; });
            lock.unlock();
            std::this_thread::sleep_for(duration); // real-wait: an exchange takes time, so callers that overlap meet
        }
        --inside_;
        return 1;
    }

    std::atomic<int> inside_{0};
    std::atomic<int> mostAtOnce_{0};
    std::atomic<int> reads_{0};
    std::string lastCaller_;
    std::mutex mutex_;
    std::condition_variable reading_;
    bool readStarted_ = false;
    bool held_ = false;
};

class InstantSleeper : public Sleeper {
public:
    void Sleep(milliseconds) override {}
};

TEST(BackThenNext, TheSaveTaskWaitsForTheHiddenPagesReadAndThePageReadsNoMore)
{
    OverlapRouter router;
    RouterGate gate(&router);
    GateSleeper pageSleeper;
    pageSleeper.Allow(INT_MAX / 2);
    ResultRefresher refresher(&gate, pageSleeper, {[] {}, [](const WanStatusInfo&) {}});
    refresher.StartRounds({"192.168.0.1", 80, "admin", "pw"});
    ASSERT_TRUE(router.WaitUntilReading());

    refresher.Pause(); // Back: the result page is hidden while its read runs
    WizardData data;
    data.router = &gate;
    data.routerInfo.wanType = 2;
    InstantSleeper instant;
    std::optional<int> saved;
    std::thread worker([&] {
        saved = RunProgressTask(TaskSave, data, instant, [] { return std::make_unique<FakeHostAdapters>(); });
    });
    worker.join();
    const int readsAfterSave = router.Reads();
    refresher.Stop();

    EXPECT_EQ(saved, 1);
    EXPECT_EQ(router.MostAtOnce(), 1);
    EXPECT_EQ(router.Reads(), readsAfterSave);
}

TEST(RouterGateClosing, RefusesWhileACallRunsAndThenAnswersAtOnce)
{
    OverlapRouter router;
    router.HoldReads();
    RouterGate gate(&router);
    std::thread reader([&] { gate.ReadWanStatus({"r", 80, "u", "p"}); });
    ASSERT_TRUE(router.WaitUntilReading());
    const bool closedDuringRead = gate.CloseIfIdle();
    router.ReleaseReads();
    reader.join();

    EXPECT_FALSE(closedDuringRead);
    EXPECT_TRUE(gate.CloseIfIdle());
    EXPECT_EQ(gate.ReadWanStatus({"r", 80, "u", "p"}), -1);
    EXPECT_EQ(router.Reads(), 1);
}

} // namespace
