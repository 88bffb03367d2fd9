// What the result page adds to its fields: the headline, sign and note that
// tell the router's Internet state, the code to join the wireless network,
// and the network card the person may save.
#pragma once

#include "ResultHeadline.h"

#include <chrono>
#include <functional>
#include <optional>

class QWidget;
struct WizardData;

class ResultExtras {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr int kStateIcon = 1262;
    static constexpr int kJoinCode = 1261;
    static constexpr int kSaveCard = 1263;

    ResultExtras(QWidget& page, WizardData& data);

    void SetClock(Clock clock) { clock_ = std::move(clock); }
    // Accessible names and keyboard reach of the added controls.
    void Prepare();
    // The page came into view: starts the wait for an address, draws the code.
    void PageShown();
    void ShowState(bool refreshing);
    // Asks where to write the card and writes it; nothing when cancelled.
    void SaveCard();

    ResultState State() const { return state_; }

private:
    ResultFacts Facts(bool refreshing) const;
    void ShowJoinCode();

    QWidget& page_;
    WizardData& data_;
    Clock clock_ = std::chrono::steady_clock::now;
    std::optional<std::chrono::steady_clock::time_point> waitStart_;
    ResultState state_;
};
