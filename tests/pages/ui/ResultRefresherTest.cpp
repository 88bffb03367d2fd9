// The result page's refresh thread without any window.
#include "ResultRefresher.h"

#include "RefreshFakes.h"

#include <gtest/gtest.h>

#include <climits>
#include <condition_variable>
#include <vector>

namespace {

class RecordingListener {
public:
    ResultRefresher::Listener Callbacks()
    {
        return {[this] { Started(); }, [this](const WanStatusInfo& status) { Finished(status); }};
    }
    void Started()
    {
        std::lock_guard lock(mutex_);
        ++started_;
    }
    void Finished(const WanStatusInfo& status)
    {
        std::lock_guard lock(mutex_);
        finished_.push_back(status);
        changed_.notify_all();
    }
    bool WaitForFinished(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return finished_.size() >= count; });
    }
    std::size_t FinishedCount() const
    {
        std::lock_guard lock(mutex_);
        return finished_.size();
    }
    int StartedCount() const
    {
        std::lock_guard lock(mutex_);
        return started_;
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int started_ = 0;
    std::vector<WanStatusInfo> finished_;
};

const WanStatusInfo kKnown = WanStatus("PPPoE", "10.0.0.2", "255.0.0.0", "10.0.0.1", "00:aa:bb:cc:dd:ee");
const WanStatusInfo kNoGateway = WanStatus("PPPoE", "10.0.0.2", "255.0.0.0", "0.0.0.0", "00:aa:bb:cc:dd:ee");
const RouterEndpoint kEndpoint{"192.168.0.1", 80, "admin", "pw"};

class ResultRefresherTest : public ::testing::Test {
protected:
    StatusRouter router;
    GateSleeper sleeper;
    RecordingListener listener;
};

TEST_F(ResultRefresherTest, RoundsEndOnceTheWanAddressIsKnown)
{
    router.Answer(1, kKnown);
    sleeper.Allow(INT_MAX / 2);
    {
        ResultRefresher refresher(&router, sleeper, listener.Callbacks());
        refresher.StartRounds(kEndpoint);
        ASSERT_TRUE(listener.WaitForFinished(1));
    }
    EXPECT_EQ(router.Reads(), 1);
    EXPECT_EQ(listener.FinishedCount(), 1u);
    EXPECT_EQ(router.LastAddress(), "192.168.0.1");
}

TEST_F(ResultRefresherTest, RoundsGoOnWhileTheGatewayIsUnknownAndStopOnDestruction)
{
    router.Answer(1, kNoGateway);
    {
        ResultRefresher refresher(&router, sleeper, listener.Callbacks());
        refresher.StartRounds(kEndpoint);
        sleeper.Allow(6);
        ASSERT_TRUE(listener.WaitForFinished(3));
        ASSERT_TRUE(sleeper.WaitUntilSlept(6));
        ASSERT_TRUE(sleeper.WaitUntilWaiting());
    }
    // The thread was waiting for its fourth round when it was stopped.
    EXPECT_EQ(router.Reads(), 3);
    EXPECT_EQ(listener.FinishedCount(), 3u);
}

TEST_F(ResultRefresherTest, FailedReadingIsTriedOnceMore)
{
    router.Answer(-1, kKnown);
    sleeper.Allow(INT_MAX / 2);
    ResultRefresher refresher(&router, sleeper, listener.Callbacks());
    ASSERT_TRUE(refresher.RequestRefresh(kEndpoint));
    ASSERT_TRUE(listener.WaitForFinished(1));
    refresher.Stop();
    EXPECT_EQ(router.Reads(), 2);
}

TEST_F(ResultRefresherTest, OneRefreshAtATimeOnOneThread)
{
    router.Answer(1, kNoGateway);
    ResultRefresher refresher(&router, sleeper, listener.Callbacks());
    refresher.StartRounds(kEndpoint);
    ASSERT_TRUE(sleeper.WaitUntilWaiting());
    EXPECT_TRUE(refresher.RequestRefresh(kEndpoint));
    EXPECT_FALSE(refresher.RequestRefresh(kEndpoint));
    refresher.StartRounds(kEndpoint);
    EXPECT_TRUE(refresher.IsRefreshPending());

    sleeper.Allow(1); // the round's wait ends; the read's wait holds the refresh
    ASSERT_TRUE(sleeper.WaitUntilSlept(1));
    ASSERT_TRUE(sleeper.WaitUntilWaiting());
    EXPECT_TRUE(refresher.IsRefreshPending());
    EXPECT_FALSE(refresher.RequestRefresh(kEndpoint));

    sleeper.Allow(1);
    ASSERT_TRUE(listener.WaitForFinished(1));
    refresher.Stop();
    EXPECT_EQ(router.Reads(), 1);
    EXPECT_EQ(listener.StartedCount(), 1);
    EXPECT_EQ(router.ThreadCount(), 1u);
}

TEST_F(ResultRefresherTest, StopCutsTheCurrentWaitShortAndRefusesLaterWork)
{
    ResultRefresher refresher(&router, sleeper, listener.Callbacks());
    refresher.StartRounds(kEndpoint);
    ASSERT_TRUE(sleeper.WaitUntilWaiting());
    refresher.Stop();
    EXPECT_EQ(router.Reads(), 0);
    EXPECT_FALSE(refresher.RequestRefresh(kEndpoint));
    refresher.StartRounds(kEndpoint);
    EXPECT_EQ(router.Reads(), 0);
}

} // namespace
