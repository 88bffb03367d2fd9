// The patterns that find the router's page variables. Spacing, the
// semicolons and the single trailing character of cableDSL are what the
// router's pages hold; they are not to be tidied.
#pragma once

namespace RouterPagePatterns {

inline constexpr const char* kCableDsl = R"re([\w\W]*cableDSL="([\w\W]{0,3})"[\w\W])re";
inline constexpr const char* kCloneMac = R"re([\w\W]*cln_MAC = "([\w\W]{17})"[\w\W]*)re";
inline constexpr const char* kDefaultMac = R"re([\w\W]*def_MAC = "([\w\W]{17})"[\w\W]*)re";
inline constexpr const char* kFactoryMac = R"re([\w\W]*fac_MAC = "([\w\W]{17})"[\w\W]*)re";
inline constexpr const char* kWanIp = R"re([\w\W]*wanIP = "([\w\W]{0,15})";[\w\W]*)re";
inline constexpr const char* kGateway = R"re([\w\W]*gateWay="([\w\W]{0,15})";[\w\W]*)re";
inline constexpr const char* kSubnetMask = R"re([\w\W]*subMask="([\w\W]{0,15})";[\w\W]*)re";
inline constexpr const char* kWanMac = R"re([\w\W]*wan_mac="([\w\W]{17})";[\w\W]*)re";
inline constexpr const char* kConnectionTypeIndex = R"re([\w\W]*conTypeIdx="([\w\W]{0,3})";[\w\W]*)re";

} // namespace RouterPagePatterns
