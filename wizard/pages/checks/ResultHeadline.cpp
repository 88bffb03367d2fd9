#include "ResultHeadline.h"

#include "CLanguageTable.h"

namespace {

constexpr int kPppoe = 3;

// A link that did not come up during the account check: for PPPoE the
// provider most likely refused the account, otherwise the line was down.
OfflineCause KnownCause(const ResultFacts& facts)
{
    if (facts.accountCheckResult != 0)
        return OfflineCause::None;
    return facts.wanType == kPppoe ? OfflineCause::AccountRefused : OfflineCause::LinkDown;
}

} // namespace

ResultState DecideResultState(const ResultFacts& facts)
{
    if (facts.addressKnown)
        return {ResultHeadline::Online, OfflineCause::None};
    // A router that has just restarted needs a while; give it a minute
    // before calling it not online.
    if (facts.refreshing && facts.waited < kSlowConnectAfter)
        return {ResultHeadline::Connecting, OfflineCause::None};
    const OfflineCause cause = KnownCause(facts);
    if (cause != OfflineCause::None || !facts.refreshing)
        return {ResultHeadline::NotOnline, cause};
    return {ResultHeadline::SlowConnecting, OfflineCause::None};
}

QString ResultTitleKey(const ResultState& state)
{
    switch (state.headline) {
    case ResultHeadline::Online:
        return QStringLiteral(LANG_KEY("Result Online"));
    case ResultHeadline::NotOnline:
        return QStringLiteral(LANG_KEY("Result Not Online"));
    default:
        return QStringLiteral(LANG_KEY("Result Connecting"));
    }
}

QString ResultNoteKey(const ResultState& state)
{
    switch (state.cause) {
    case OfflineCause::AccountRefused:
        return QStringLiteral(LANG_KEY("Result Cause Account"));
    case OfflineCause::LinkDown:
        return QStringLiteral(LANG_KEY("Result Cause Link Down"));
    case OfflineCause::None:
        break;
    }
    switch (state.headline) {
    case ResultHeadline::Online:
        return QStringLiteral(LANG_KEY("Result Online Note"));
    case ResultHeadline::SlowConnecting:
        return QStringLiteral(LANG_KEY("Result Slow Note"));
    case ResultHeadline::NotOnline:
        return QStringLiteral(LANG_KEY("Result Offline Note"));
    default:
        return QStringLiteral(LANG_KEY("Status Note"));
    }
}
