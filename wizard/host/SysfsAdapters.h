// The host's wired physical Ethernet adapters as sysfs shows them.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

// Names in sorted order; nullopt when the folder cannot be read. Wireless,
// virtual, bridge, bond and tunnel interfaces are left out.
std::optional<std::vector<std::string>> ListWiredAdapters(const QString& sysfsRoot);

// True only when the adapter says it sees no link (its "carrier" reads 0);
// an adapter that is down or cannot tell does not count.
bool ReportsNoCarrier(const QString& sysfsRoot, const std::string& name);
