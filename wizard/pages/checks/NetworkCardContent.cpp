#include "NetworkCardContent.h"

#include "ResultDisplay.h"
#include "SecurityView.h"
#include "WifiUri.h"

namespace {

constexpr int kStaticIp = 1;

CardLine Line(const CLanguageTable& language, const char* labelKey, const QString& value)
{
    return {language.GetText(QString::fromLatin1(labelKey)), value};
}

QList<CardLine> WirelessLines(const WanStatusInfo& status, const CLanguageTable& language)
{
    QList<CardLine> lines{
        Line(language, LANG_KEY("SSID"), QString::fromStdString(status.ssid)),
        Line(language, LANG_KEY("encryption Mode"),
             ResultText(ResultSecurityMode, status, language).value_or(QString())),
    };
    if (status.securityMode != SecurityDisabled)
        lines.append(Line(language, LANG_KEY("Key"), QString::fromStdString(status.securityKey)));
    return lines;
}

// A static address is what the person typed; any other type's addresses
// are what the router was given by the provider.
QList<CardLine> InternetLines(const WizardData& data)
{
    const CLanguageTable& language = data.language;
    const WanStatusInfo& status = data.wanStatusInfo;
    QList<CardLine> lines{
        Line(language, LANG_KEY("link mode"), ResultText(ResultLinkMode, status, language).value_or(QString())),
    };
    if (data.routerInfo.wanType == kStaticIp) {
        const StaticIpInfo& typed = data.staticIpInfo;
        lines.append({
            Line(language, LANG_KEY("IP Address"), QString::fromStdString(typed.ipAddress)),
            Line(language, LANG_KEY("NetMask"), QString::fromStdString(typed.subnetMask)),
            Line(language, LANG_KEY("gateway"), QString::fromStdString(typed.gateway)),
            Line(language, LANG_KEY("Primary DNS"), QString::fromStdString(typed.dns1)),
            Line(language, LANG_KEY("Secondary DNS"), QString::fromStdString(typed.dns2)),
        });
        return lines;
    }
    lines.append({
        Line(language, LANG_KEY("IP Address"), QString::fromStdString(status.wanIp)),
        Line(language, LANG_KEY("NetMask"), QString::fromStdString(status.subnetMask)),
        Line(language, LANG_KEY("gateway"), QString::fromStdString(status.gateway)),
    });
    return lines;
}

} // namespace

NetworkCardContent MakeNetworkCard(const WizardData& data, const QDate& date)
{
    const CLanguageTable& language = data.language;
    NetworkCardContent card;
    card.title = language.GetText(QStringLiteral(LANG_KEY("Card Title")));
    card.wireless = WirelessLines(data.wanStatusInfo, language);
    card.joinCode = WifiUri(data.wanStatusInfo);
    card.scanHint = language.GetText(QStringLiteral(LANG_KEY("Card Scan Hint")));
    card.internetTitle = language.GetText(QStringLiteral(LANG_KEY("Card Internet")));
    card.internet = InternetLines(data);
    // ISO dates read the same in every language.
    card.dateLine = language.GetText(QStringLiteral(LANG_KEY("Card Date"))) + u' ' + date.toString(Qt::ISODate);
    return card;
}
