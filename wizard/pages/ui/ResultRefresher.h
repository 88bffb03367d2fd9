// Reads the router's WAN status for the result page on one thread of its
// own: rounds every two seconds until the WAN address, mask and gateway are
// known, and single refreshes on demand; never two refreshes at a time and
// never a second thread.
#pragma once

#include "CDLLObject.h"
#include "InterruptibleSleeper.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class ResultRefresher {
public:
    // Both are called on the refresher's thread. A finished refresh hands
    // over the five WAN strings the router object now holds; the rest of
    // the record is not filled.
    struct Listener {
        std::function<void()> refreshStarted;
        std::function<void(const WanStatusInfo&)> refreshFinished;
    };

    static constexpr std::chrono::milliseconds kRoundWait{2000};
    static constexpr std::chrono::milliseconds kReadWait{2000};

    // No router: nothing is ever started.
    ResultRefresher(CDLLObject* router, InterruptibleSleeper& sleeper, Listener listener);
    ~ResultRefresher();
    ResultRefresher(const ResultRefresher&) = delete;
    ResultRefresher& operator=(const ResultRefresher&) = delete;

    // Keeps refreshing every round until the WAN address is known; also
    // ends a pause.
    void StartRounds(const RouterEndpoint& endpoint);
    // One refresh as soon as the thread is free; false when one is already
    // pending or running, or the refresher is stopped.
    bool RequestRefresh(const RouterEndpoint& endpoint);
    // The page went out of sight: the current wait is cut short and no later
    // refresh starts until StartRounds, without waiting for a read that
    // runs (the router gate holds the next caller until it ends).
    void Pause();
    // Ends the thread for good: as Pause, then waits for the thread.
    void Stop();

    bool IsRefreshPending() const;
    // True while the thread runs: rounds or a refresh are still to come.
    bool IsRunning() const;

private:
    void EnsureThreadLocked();
    void Run();
    std::optional<WanStatusInfo> ReadStatus(const RouterEndpoint& endpoint);
    bool IsStopped() const;

    CDLLObject* router_;
    InterruptibleSleeper& sleeper_;
    Listener listener_;

    mutable std::mutex mutex_;
    RouterEndpoint endpoint_;
    bool roundsWanted_ = false;
    bool refreshNow_ = false;
    bool busy_ = false;
    bool running_ = false;
    bool stopped_ = false; // paused or ended
    bool ended_ = false;
    std::thread thread_;
};
