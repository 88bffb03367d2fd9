#include "WifiUri.h"

#include "SecurityView.h"

namespace {

QString SecurityType(int securityMode)
{
    switch (securityMode) {
    case SecurityWep:
        return QStringLiteral("WEP");
    case SecurityWpa:
    case SecurityWpa2:
        return QStringLiteral("WPA");
    default:
        return QStringLiteral("nopass");
    }
}

} // namespace

QString EscapeWifiUriValue(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\' || c == u';' || c == u',' || c == u':' || c == u'"')
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

QString WifiUri(const WanStatusInfo& status)
{
    const QString type = SecurityType(status.securityMode);
    QString uri = QStringLiteral("WIFI:T:%1;S:%2;").arg(type, EscapeWifiUriValue(QString::fromStdString(status.ssid)));
    if (type != QStringLiteral("nopass"))
        uri += QStringLiteral("P:%1;").arg(EscapeWifiUriValue(QString::fromStdString(status.securityKey)));
    if (!status.broadcastSsid)
        uri += QStringLiteral("H:true;");
    return uri + u';';
}
