#include "RouterState.h"

#include <cctype>

namespace {

// Six two-digit hexadecimal groups separated by colons.
bool IsMacText(const std::string& text)
{
    if (text.size() != 17) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool separator = i % 3 == 2;
        const auto c = static_cast<unsigned char>(text[i]);
        if (separator ? c != ':' : !std::isxdigit(c)) {
            return false;
        }
    }
    return true;
}

// A submission that names a well-formed MAC address moves the WAN port to it.
void AdoptWanMac(RouterSnapshot& settings, const FormFields& form)
{
    std::string mac = form.Get("WMAC");
    if (IsMacText(mac)) {
        settings.wanMac = std::move(mac);
    }
}

} // namespace

RouterState::RouterState(const EmulatorConfig& config, EmulatorClock clock)
    : config_(config), clock_(std::move(clock)), linkStart_(clock_()), rebootEnd_(linkStart_)
{
    settings_.wanMac = config.defaultMac;
}

void RouterState::ApplyWizard(const FormFields& form)
{
    const std::string want = form.Get("WANT");
    if (want.size() != 1 || want[0] < '1' || want[0] > '5') {
        return; // not a wizard submission the firmware knows
    }
    const std::lock_guard lock(mutex_);
    settings_.wanType = want[0] - '0';
    settings_.wanFields = form;
    ++settings_.wizardSubmissions;
    AdoptWanMac(settings_, form);
    linkStart_ = clock_(); // new settings: the link negotiates afresh
}

void RouterState::ApplyMacClone(const FormFields& form)
{
    const std::lock_guard lock(mutex_);
    settings_.cloneEnabled = form.Get("cloneEn") == "1";
    AdoptWanMac(settings_, form);
    if (form.Get("rebootTag") == "1") {
        ++settings_.rebootCount;
        rebootEnd_ = clock_() + config_.rebootDuration;
        linkStart_ = rebootEnd_; // after the reboot the saved settings come back up
    }
}

void RouterState::ApplyWirelessBasic(const FormFields& form)
{
    const std::lock_guard lock(mutex_);
    settings_.wireless = form;
}

void RouterState::ApplySecurity(const FormFields& form)
{
    const std::lock_guard lock(mutex_);
    settings_.security = form;
}

void RouterState::Reconnect()
{
    const std::lock_guard lock(mutex_);
    ++settings_.reconnectCount;
    linkStart_ = clock_();
}

bool RouterState::IsRebooting() const
{
    const std::lock_guard lock(mutex_);
    return clock_() < rebootEnd_;
}

RouterSnapshot RouterState::Snapshot() const
{
    const std::lock_guard lock(mutex_);
    const EmulatorTime now = clock_();
    RouterSnapshot snapshot = settings_;
    snapshot.rebooting = now < rebootEnd_;
    snapshot.link = CurrentLink(now);
    FillWanAddresses(snapshot);
    return snapshot;
}

LinkState RouterState::CurrentLink(EmulatorTime now) const
{
    // No tunnel server is emulated, so PPTP and L2TP never come up.
    const bool negotiable = settings_.wanType == WanStaticIp || settings_.wanType == WanDynamicIp ||
                            (settings_.wanType == WanPppoe && AccountAccepted());
    if (!negotiable || now < rebootEnd_) {
        return LinkState::Disconnected;
    }
    return now >= linkStart_ + config_.linkUpDelay ? LinkState::Connected : LinkState::Connecting;
}

bool RouterState::AccountAccepted() const
{
    return settings_.wanFields.Get("PUN") == config_.ispUserName &&
           settings_.wanFields.Get("PPW") == config_.ispPassword;
}

void RouterState::FillWanAddresses(RouterSnapshot& snapshot) const
{
    if (snapshot.link != LinkState::Connected) {
        snapshot.wanAddress = snapshot.wanMask = snapshot.wanGateway = "0.0.0.0";
    } else if (snapshot.wanType == WanStaticIp) {
        snapshot.wanAddress = snapshot.wanFields.Get("WANIP");
        snapshot.wanMask = snapshot.wanFields.Get("WANMSK");
        snapshot.wanGateway = snapshot.wanFields.Get("WANGW");
    } else {
        snapshot.wanAddress = config_.wanAddress;
        snapshot.wanMask = config_.wanMask;
        snapshot.wanGateway = config_.wanGateway;
    }
}
