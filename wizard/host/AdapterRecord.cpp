#include "AdapterRecord.h"

bool IsUnsetAddress(const QString& address)
{
    return address.isEmpty() || address == QStringLiteral("0.0.0.0");
}

void PickGatewayAddress(const std::vector<AdapterRecord>& adapters, int systemMajorVersion, QString& gateway)
{
    for (const AdapterRecord& adapter : adapters) {
        if (adapter.description.find("Virtual") != std::string::npos)
            continue;
        if (IsUnsetAddress(gateway))
            gateway = QString::fromStdString(adapter.gateway);
        if (adapter.dhcpEnabled && IsUnsetAddress(gateway) && systemMajorVersion >= 6)
            gateway = QString::fromStdString(adapter.dhcpServer);
    }
}
