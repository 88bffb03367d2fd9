// The default gateway of one interface from the kernel's IPv4 route table.
#pragma once

#include <QString>

#include <string>

// Dotted text, or empty when the interface has no default route.
std::string DefaultGatewayOf(const QString& routeTablePath, const std::string& interfaceName);
