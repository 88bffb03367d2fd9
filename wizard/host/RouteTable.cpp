#include "RouteTable.h"

#include <QFile>
#include <QList>

#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned routeUp = 0x1;
constexpr unsigned routeGateway = 0x2;

// The table prints each address as the hex of its in-memory (network order)
// 32-bit value, so the bytes in memory are the octets in order.
std::string DottedFromTableHex(const QByteArray& hex)
{
    bool ok = false;
    const std::uint32_t raw = hex.toUInt(&ok, 16);
    if (!ok)
        return {};
    unsigned char octets[4];
    std::memcpy(octets, &raw, sizeof octets);
    return std::to_string(octets[0]) + '.' + std::to_string(octets[1]) + '.' + std::to_string(octets[2]) + '.'
        + std::to_string(octets[3]);
}

} // namespace

std::string DefaultGatewayOf(const QString& routeTablePath, const std::string& interfaceName)
{
    QFile file(routeTablePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 4 || fields[0].toStdString() != interfaceName || fields[1] != "00000000")
            continue;
        bool ok = false;
        const unsigned flags = fields[3].toUInt(&ok, 16);
        if (ok && (flags & (routeUp | routeGateway)) == (routeUp | routeGateway))
            return DottedFromTableHex(fields[2]);
    }
    return {};
}
