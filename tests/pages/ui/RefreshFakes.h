// A router whose status answers the test scripts, and a sleeper whose waits
// end only when the test lets them; both safe to call from the refresh thread.
#pragma once

#include "InterruptibleSleeper.h"
#include "SucceedingRouter.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

// The five strings the router reports; the wireless half stays empty.
inline WanStatusInfo WanStatus(const char* type, const char* ip, const char* mask, const char* gateway,
                               const char* mac)
{
    WanStatusInfo status;
    status.connectionType = type;
    status.wanIp = ip;
    status.subnetMask = mask;
    status.gateway = gateway;
    status.wanMac = mac;
    return status;
}

class StatusRouter : public SucceedingRouter {
public:
    int ReadWanStatus(RouterEndpoint endpoint) override
    {
        std::lock_guard lock(mutex_);
        ++reads_;
        lastAddress_ = endpoint.address;
        threads_.insert(std::this_thread::get_id());
        return readAnswer_;
    }
    void GetWanStatusInfo(WanStatusInfo& out) override
    {
        std::lock_guard lock(mutex_);
        out.connectionType = status_.connectionType;
        out.wanIp = status_.wanIp;
        out.subnetMask = status_.subnetMask;
        out.gateway = status_.gateway;
        out.wanMac = status_.wanMac;
    }

    void Answer(int readAnswer, const WanStatusInfo& status)
    {
        std::lock_guard lock(mutex_);
        readAnswer_ = readAnswer;
        status_ = status;
    }
    int Reads() const
    {
        std::lock_guard lock(mutex_);
        return reads_;
    }
    std::size_t ThreadCount() const
    {
        std::lock_guard lock(mutex_);
        return threads_.size();
    }
    std::string LastAddress() const
    {
        std::lock_guard lock(mutex_);
        return lastAddress_;
    }

private:
    mutable std::mutex mutex_;
    int readAnswer_ = 1;
    WanStatusInfo status_;
    int reads_ = 0;
    std::string lastAddress_;
    std::set<std::thread::id> threads_;
};

class GateSleeper : public InterruptibleSleeper {
public:
    void Sleep(std::chrono::milliseconds) override
    {
        std::unique_lock lock(mutex_);
        ++waiting_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return permits_ > 0 || interrupted_; });
        --waiting_;
        if (!interrupted_)
            --permits_;
        ++slept_;
        changed_.notify_all();
    }
    void Interrupt() override
    {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
        changed_.notify_all();
    }
    void Resume() override
    {
        std::lock_guard lock(mutex_);
        interrupted_ = false;
    }
    void Allow(int waits)
    {
        std::lock_guard lock(mutex_);
        permits_ += waits;
        changed_.notify_all();
    }
    // A condition wait with a generous bound, so a broken refresher fails
    // the test instead of hanging it.
    bool WaitUntilWaiting()
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [this] { return waiting_ > 0; });
    }
    bool WaitUntilSlept(int count)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [this, count] { return slept_ >= count; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int permits_ = 0;
    int waiting_ = 0;
    int slept_ = 0;
    bool interrupted_ = false;
};
