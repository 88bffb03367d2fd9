#include "SysfsAdapters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int ethernetType = 1; // ARPHRD_ETHER

bool HasEntry(const QDir& adapter, const char* name)
{
    return QFileInfo::exists(adapter.filePath(QString::fromLatin1(name)))
        || QFileInfo(adapter.filePath(QString::fromLatin1(name))).isSymLink();
}

int LinkType(const QDir& adapter)
{
    QFile file(adapter.filePath(QStringLiteral("type")));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const int type = file.readAll().trimmed().toInt(&ok);
    return ok ? type : -1;
}

bool HasVirtualName(const QString& name)
{
    for (const char* prefix : {"veth", "docker", "br-", "virbr", "vnet", "tap", "tun"}) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

bool IsWiredPhysical(const QDir& adapter)
{
    if (LinkType(adapter) != ethernetType || !HasEntry(adapter, "device"))
        return false;
    for (const char* marker : {"wireless", "phy80211", "bridge", "brport", "bonding", "tun_flags"}) {
        if (HasEntry(adapter, marker))
            return false;
    }
    return !HasVirtualName(adapter.dirName());
}

} // namespace

std::optional<std::vector<std::string>> ListWiredAdapters(const QString& sysfsRoot)
{
    const QDir root(sysfsRoot);
    if (!root.exists())
        return std::nullopt;
    std::vector<std::string> names;
    const QStringList entries = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (IsWiredPhysical(QDir(root.filePath(entry))))
            names.push_back(entry.toStdString());
    }
    return names;
}

bool ReportsNoCarrier(const QString& sysfsRoot, const std::string& name)
{
    QFile file(QDir(sysfsRoot).filePath(QString::fromStdString(name) + QStringLiteral("/carrier")));
    return file.open(QIODevice::ReadOnly) && file.readAll().trimmed() == "0";
}
