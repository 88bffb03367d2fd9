#include "LinkCheckDiagnosis.h"

#include "CLanguageTable.h"

namespace {

LinkCheckCause HostCause(HostResetFailure failure)
{
    switch (failure) {
    case HostResetFailure::NoWiredAdapter:
        return LinkCheckCause::NoWiredAdapter;
    case HostResetFailure::NoCarrier:
        return LinkCheckCause::NoCarrier;
    case HostResetFailure::NetworkManagerNotRunning:
        return LinkCheckCause::NetworkServiceMissing;
    case HostResetFailure::NotAuthorised:
        return LinkCheckCause::NotAllowed;
    case HostResetFailure::NoDhcpAnswer:
        return LinkCheckCause::NoAddress;
    case HostResetFailure::CommandFailed:
        return LinkCheckCause::ResetFailed;
    case HostResetFailure::None:
        break;
    }
    return LinkCheckCause::None;
}

} // namespace

// An answer from the router outranks what the host reported: a host
// failure only explains a router that stayed silent.
LinkCheckCause DiagnoseLinkCheck(const LinkCheckFacts& facts)
{
    if (facts.loginResult == 0)
        return LinkCheckCause::LoginRefused;
    if (facts.loginResult >= 1)
        return facts.macsValid ? LinkCheckCause::None : LinkCheckCause::InvalidMacs;
    const LinkCheckCause host = HostCause(facts.hostReset);
    return host == LinkCheckCause::None ? LinkCheckCause::RouterSilent : host;
}

QString LinkCheckCauseKey(LinkCheckCause cause)
{
    switch (cause) {
    case LinkCheckCause::NoWiredAdapter:
        return QStringLiteral(LANG_KEY("Cause No Adapter"));
    case LinkCheckCause::NoCarrier:
        return QStringLiteral(LANG_KEY("Cause No Cable"));
    case LinkCheckCause::NetworkServiceMissing:
        return QStringLiteral(LANG_KEY("Cause No Network Service"));
    case LinkCheckCause::NotAllowed:
        return QStringLiteral(LANG_KEY("Cause Not Allowed"));
    case LinkCheckCause::NoAddress:
        return QStringLiteral(LANG_KEY("Cause No Address"));
    case LinkCheckCause::ResetFailed:
        return QStringLiteral(LANG_KEY("Cause Reset Failed"));
    case LinkCheckCause::RouterSilent:
        return QStringLiteral(LANG_KEY("Cause Router Silent"));
    case LinkCheckCause::LoginRefused:
        return QStringLiteral(LANG_KEY("Cause Login Refused"));
    case LinkCheckCause::InvalidMacs:
        return QStringLiteral(LANG_KEY("Cause Bad Mac"));
    case LinkCheckCause::None:
        break;
    }
    return {};
}
