#include "PptpCheck.h"

#include "AddressRules.h"
#include "CheckList.h"

namespace {

std::optional<UserMessage> CheckWanAddress(const PptpEntry& entry, std::uint32_t lan)
{
    return FirstFailedCheck({
        {IsValidHostAddress(entry.wanIp), LANG_KEY("IP address invalid")},
        {IsValidSubnetMask(entry.wanMask), LANG_KEY("Subnet mask invalid")},
        {IsValidHostAddress(entry.wanGateway), LANG_KEY("Default gateway invalid")},
        {IsDifferentSegment(entry.wanIp, lan, entry.wanMask),
         LANG_KEY("The WAN IP and LAN IP cannot be the same segament")},
    });
}

} // namespace

std::optional<UserMessage> CollectPptpSettings(const PptpEntry& entry, const RouterInfo& router,
                                               PptpInfo& record)
{
    const std::uint32_t lan = ParseDottedAddress(router.address);
    record.addressMode = entry.addressMode;
    auto warning = FirstFailedCheck({
        {IsValidHostAddress(entry.serverAddress), LANG_KEY("Server IP address invalid")},
        {!entry.account.isEmpty(), LANG_KEY("User Name Empty")},
        {!entry.password.isEmpty(), LANG_KEY("Password Empty")},
    });
    if (!warning && entry.addressMode == AddressModeStatic)
        warning = CheckWanAddress(entry, lan);
    if (warning)
        return warning;
    record.serverAddress = FormatDottedAddress(entry.serverAddress);
    record.userName = EscapeFormValue(entry.account).toStdString();
    record.password = EscapeFormValue(entry.password).toStdString();
    if (entry.addressMode == AddressModeStatic) {
        record.wanIp = FormatDottedAddress(entry.wanIp);
        record.wanMask = FormatDottedAddress(entry.wanMask);
        record.wanGateway = FormatDottedAddress(entry.wanGateway);
    }
    return std::nullopt;
}

bool AreWanAddressFieldsEnabled(int addressMode)
{
    return addressMode != AddressModeDynamic;
}

QStringList AddressModeTexts(const CLanguageTable& language)
{
    return {language.GetText(QStringLiteral("Static")), language.GetText(QStringLiteral("Dynamic"))};
}
