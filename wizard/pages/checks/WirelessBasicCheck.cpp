#include "WirelessBasicCheck.h"

#include "CheckList.h"

#include <algorithm>

namespace {

constexpr int kChannelCount = 13;

bool IsSsidCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'_'
        || u == u' ' || u == u'-';
}

} // namespace

WirelessEntry DefaultWirelessEntry(const CLanguageTable& language)
{
    WirelessEntry entry;
    entry.ssid = language.GetText(QStringLiteral("SSID Value")).trimmed();
    return entry;
}

QStringList ChannelTexts()
{
    QStringList texts;
    for (int channel = 1; channel <= kChannelCount; ++channel)
        texts.append(QString::number(channel));
    return texts;
}

QStringList WirelessModeKeys()
{
    return {QStringLiteral(LANG_KEY("802.11b/g Mixed")), QStringLiteral(LANG_KEY("802.11b/g/n Mixed"))};
}

bool IsValidSsid(const QString& ssid)
{
    if (ssid.isEmpty() || ssid.size() > SsidMaxLength)
        return false;
    return std::all_of(ssid.begin(), ssid.end(), IsSsidCharacter);
}

std::optional<UserMessage> CollectWirelessSettings(const WirelessEntry& entry, WirelessInfo& record,
                                                   WanStatusInfo& status)
{
    auto warning = FirstFailedCheck({{IsValidSsid(entry.ssid), LANG_KEY("SSID invaid")}});
    if (warning)
        return warning;
    record.ssid = entry.ssid.toStdString();
    record.channel = entry.channelIndex + 1;
    record.mode = entry.modeIndex;
    record.broadcastSsid = entry.broadcast;
    status.ssid = record.ssid;
    status.channel = record.channel;
    status.mode = record.mode;
    status.broadcastSsid = record.broadcastSsid;
    return std::nullopt;
}
