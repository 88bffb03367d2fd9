#include "ResultRefresher.h"

#include "ResultDisplay.h"

#include <utility>

ResultRefresher::ResultRefresher(CDLLObject* router, InterruptibleSleeper& sleeper, Listener listener)
    : router_(router), sleeper_(sleeper), listener_(std::move(listener))
{
}

ResultRefresher::~ResultRefresher()
{
    Stop();
}

void ResultRefresher::StartRounds(const RouterEndpoint& endpoint)
{
    std::lock_guard lock(mutex_);
    if (ended_)
        return;
    if (stopped_) {
        stopped_ = false;
        sleeper_.Resume();
    }
    endpoint_ = endpoint;
    roundsWanted_ = true;
    EnsureThreadLocked();
}

bool ResultRefresher::RequestRefresh(const RouterEndpoint& endpoint)
{
    std::lock_guard lock(mutex_);
    if (busy_ || refreshNow_ || stopped_ || router_ == nullptr)
        return false;
    endpoint_ = endpoint;
    refreshNow_ = true;
    EnsureThreadLocked();
    return true;
}

void ResultRefresher::Pause()
{
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    sleeper_.Interrupt();
}

void ResultRefresher::Stop()
{
    {
        std::lock_guard lock(mutex_);
        ended_ = true;
    }
    Pause();
    if (thread_.joinable())
        thread_.join();
}

bool ResultRefresher::IsRefreshPending() const
{
    std::lock_guard lock(mutex_);
    return busy_ || refreshNow_;
}

bool ResultRefresher::IsRunning() const
{
    std::lock_guard lock(mutex_);
    return running_;
}

void ResultRefresher::EnsureThreadLocked()
{
    if (stopped_ || running_ || router_ == nullptr)
        return;
    // A thread that has finished its work only needs collecting.
    if (thread_.joinable())
        thread_.join();
    running_ = true;
    thread_ = std::thread(&ResultRefresher::Run, this);
}

void ResultRefresher::Run()
{
    std::unique_lock lock(mutex_);
    while (!stopped_ && (refreshNow_ || roundsWanted_)) {
        if (!refreshNow_) {
            lock.unlock();
            sleeper_.Sleep(kRoundWait);
            lock.lock();
            if (stopped_)
                break;
        }
        refreshNow_ = false;
        busy_ = true;
        const RouterEndpoint endpoint = endpoint_;
        lock.unlock();
        listener_.refreshStarted();
        const std::optional<WanStatusInfo> status = ReadStatus(endpoint);
        lock.lock();
        busy_ = false;
        if (!status)
            break;
        if (IsWanAddressKnown(*status))
            roundsWanted_ = false;
        lock.unlock();
        listener_.refreshFinished(*status);
        lock.lock();
    }
    running_ = false;
}

std::optional<WanStatusInfo> ResultRefresher::ReadStatus(const RouterEndpoint& endpoint)
{
    // A failed reading is tried once more; the second answer is not looked at.
    if (router_->ReadWanStatus(endpoint) < 1)
        router_->ReadWanStatus(endpoint);
    if (IsStopped())
        return std::nullopt;
    sleeper_.Sleep(kReadWait);
    if (IsStopped())
        return std::nullopt;
    WanStatusInfo status;
    router_->GetWanStatusInfo(status);
    return status;
}

bool ResultRefresher::IsStopped() const
{
    std::lock_guard lock(mutex_);
    return stopped_;
}
