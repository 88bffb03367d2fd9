// Address, MAC and form-value rules shared by the WAN pages and the link check.
// IPv4 values are host order: 192.168.0.1 is 0xC0A80001.
#pragma once

#include <QString>

#include <cstdint>
#include <string>

bool IsValidHostAddress(std::uint32_t address);
bool IsValidSubnetMask(std::uint32_t mask);
bool IsDifferentSegment(std::uint32_t a, std::uint32_t b, std::uint32_t mask);
bool IsValidMacText(const QString& text);
QString EscapeFormValue(const QString& text);

// The system's inet_addr rules (octal, hex and short forms such as 10.1);
// text that does not parse gives 255.255.255.255.
std::uint32_t ParseDottedAddress(const std::string& text);
std::string FormatDottedAddress(std::uint32_t address);
