#include "RouterEmulator.h"

#include "HttpSession.h"
#include "Listener.h"

#include <future>
#include <thread>

namespace asio = boost::asio;
using asio::ip::tcp;

namespace {

// How often a running reboot is checked against the clock.
constexpr std::chrono::milliseconds kRebootPoll{10};

} // namespace

struct RouterEmulator::Runtime {
    Runtime(const tcp::endpoint& endpoint, Listener::AcceptHandler onAccept)
        : listener(io, endpoint, std::move(onAccept))
    {
    }

    asio::io_context io;
    Listener listener;
    asio::executor_work_guard<asio::io_context::executor_type> work{io.get_executor()};
    asio::steady_timer rebootPoll{io};
    std::thread thread;
};

RouterEmulator::RouterEmulator(EmulatorConfig config, EmulatorClock clock)
    : config_(std::move(config)),
      state_(config_, std::move(clock)),
      handler_(config_, state_),
      fault_(config_.fault),
      context_{config_, handler_, recorder_, fault_, [this] { UpdateListening(); }}
{
}

RouterEmulator::~RouterEmulator()
{
    Stop();
}

std::uint16_t RouterEmulator::Start()
{
    if (runtime_) {
        return port_;
    }
    const tcp::endpoint endpoint(asio::ip::make_address(config_.bindAddress), config_.port);
    auto runtime = std::make_unique<Runtime>(endpoint, [this](tcp::socket socket) {
        asio::co_spawn(socket.get_executor(), HttpSession::Serve(std::move(socket), context_), asio::detached);
    });
    port_ = runtime->listener.Open();
    runtime_ = std::move(runtime);
    UpdateListening();
    runtime_->thread = std::thread([io = &runtime_->io] { io->run(); });
    return port_;
}

void RouterEmulator::Stop()
{
    if (!runtime_) {
        return;
    }
    runtime_->io.stop();
    runtime_->thread.join();
    runtime_.reset(); // drops open connections with their sessions
    watchingReboot_ = false;
}

void RouterEmulator::SetFaultMode(FaultMode mode)
{
    fault_.store(mode);
    RefreshListening();
}

void RouterEmulator::RefreshListening()
{
    if (runtime_) {
        RunOnServerThread([this] { UpdateListening(); });
    }
}

// Nothing listens while the fault is "refuse" or while the router reboots.
void RouterEmulator::UpdateListening()
{
    const bool rebooting = state_.IsRebooting();
    const bool wanted = fault_.load() != FaultMode::Refuse && !rebooting;
    Listener& listener = runtime_->listener;
    if (wanted && !listener.IsOpen()) {
        try {
            listener.Open();
        } catch (const boost::system::system_error&) {
            // The port was taken meanwhile: stay closed, the next check retries.
        }
    } else if (!wanted && listener.IsOpen()) {
        listener.Close();
    }
    if (rebooting && !watchingReboot_) {
        ScheduleRebootCheck();
    }
}

void RouterEmulator::ScheduleRebootCheck()
{
    watchingReboot_ = true;
    runtime_->rebootPoll.expires_after(kRebootPoll);
    runtime_->rebootPoll.async_wait([this](const boost::system::error_code& error) {
        if (!error) {
            watchingReboot_ = false;
            UpdateListening();
        }
    });
}

void RouterEmulator::RunOnServerThread(const std::function<void()>& task)
{
    std::promise<void> done;
    asio::post(runtime_->io, [&task, &done] {
        task();
        done.set_value();
    });
    done.get_future().wait();
}
