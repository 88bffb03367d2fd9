#include "ResultDisplay.h"

namespace {

QString Text(const std::string& value)
{
    return QString::fromStdString(value);
}

std::optional<QString> WirelessModeText(int mode, const CLanguageTable& language)
{
    if (mode == 0)
        return language.GetText(QStringLiteral("11 b/g mode"));
    if (mode == 1)
        return language.GetText(QStringLiteral("11 b/g/n mode"));
    return std::nullopt;
}

std::optional<QString> SecurityModeText(int mode, const CLanguageTable& language)
{
    switch (mode) {
    case 0:
        return language.GetText(QStringLiteral("Disable"));
    case 1:
        return language.GetText(QStringLiteral("WEP"));
    case 2:
        return language.GetText(QStringLiteral("WPA"));
    case 3:
        return language.GetText(QStringLiteral("WPA2"));
    default:
        return std::nullopt;
    }
}

bool IsAddressKnown(const std::string& address)
{
    return !address.empty() && address != "0.0.0.0";
}

} // namespace

std::optional<QString> ResultText(ResultField field, const WanStatusInfo& status, const CLanguageTable& language)
{
    switch (field) {
    case ResultLinkMode:
        // The router's own type text doubles as the language key.
        return language.GetText(Text(status.connectionType));
    case ResultWanIp:
        return Text(status.wanIp);
    case ResultSubnetMask:
        return Text(status.subnetMask);
    case ResultGateway:
        return Text(status.gateway);
    case ResultWanMac:
        return Text(status.wanMac);
    case ResultSsid:
        return Text(status.ssid);
    case ResultChannel:
        return status.channel != 0 ? QString::number(status.channel) : language.GetText(QStringLiteral("Auto"));
    case ResultWirelessMode:
        return WirelessModeText(status.mode, language);
    case ResultBroadcast:
        return status.broadcastSsid ? language.GetText(QStringLiteral("Enable"))
                                    : language.GetText(QStringLiteral("Disable"));
    case ResultSecurityMode:
        return SecurityModeText(status.securityMode, language);
    case ResultKey:
        return Text(status.securityKey);
    }
    return std::nullopt;
}

std::vector<ResultFieldText> ChangedResultFields(const std::array<QString, 11>& shown, const WanStatusInfo& status,
                                                 const CLanguageTable& language)
{
    std::vector<ResultFieldText> changed;
    for (std::size_t i = 0; i < ResultFields.size(); ++i) {
        const std::optional<QString> text = ResultText(ResultFields[i], status, language);
        if (text && *text != shown[i])
            changed.push_back({ResultFields[i], *text});
    }
    return changed;
}

bool IsWanAddressKnown(const WanStatusInfo& status)
{
    return IsAddressKnown(status.wanIp) && IsAddressKnown(status.subnetMask) && IsAddressKnown(status.gateway);
}
