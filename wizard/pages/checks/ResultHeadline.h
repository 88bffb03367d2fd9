// What the result page's headline, icon and note say about the router's
// Internet side, from the WAN values and what the wizard learnt earlier.
#pragma once

#include <QString>

#include <chrono>
#include <optional>

enum class ResultHeadline { Online, Connecting, SlowConnecting, NotOnline };

// The likely reason the router is not online, when the wizard knows one.
enum class OfflineCause { None, AccountRefused, LinkDown };

struct ResultFacts {
    bool addressKnown = false;          // WAN address, mask and gateway all set
    bool refreshing = false;            // the status rounds are still running
    std::chrono::milliseconds waited{}; // since the page began waiting for the address
    int wanType = 0;                    // RouterInfo wanType: 3 is PPPoE
    std::optional<int> accountCheckResult;
};

struct ResultState {
    ResultHeadline headline = ResultHeadline::Connecting;
    OfflineCause cause = OfflineCause::None;

    bool operator==(const ResultState&) const = default;
};

// After this long without an address the page says more than "connecting".
inline constexpr std::chrono::minutes kSlowConnectAfter{1};

ResultState DecideResultState(const ResultFacts& facts);

// Language keys of the headline and of the note beneath the fields.
QString ResultTitleKey(const ResultState& state);
QString ResultNoteKey(const ResultState& state);
