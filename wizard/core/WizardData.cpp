#include "WizardData.h"

#include "SettingsReader.h"

namespace {

std::uint16_t RouterPort()
{
    bool ok = false;
    const uint port = ReadSetting(QStringLiteral("Port"), QStringLiteral("80"), 128).trimmed().toUInt(&ok);
    return ok && port >= 1 && port <= 65535 ? static_cast<std::uint16_t>(port) : 80;
}

} // namespace

RouterEndpoint WizardData::Endpoint() const
{
    return RouterEndpoint{routerInfo.address, RouterPort(), routerInfo.userName, routerInfo.password};
}
