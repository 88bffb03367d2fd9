// Router pages of any content: the parsers must not fail, and the fast way
// of reading a pattern must capture what the whole pattern captures.
#include "ExtractFirstMatch.h"
#include "RouterPageParsers.h"
#include "RouterPagePatterns.h"

#include <boost/regex.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

const char* const kPatterns[] = {RouterPagePatterns::kCableDsl, RouterPagePatterns::kCloneMac,
    RouterPagePatterns::kDefaultMac, RouterPagePatterns::kFactoryMac, RouterPagePatterns::kWanIp,
    RouterPagePatterns::kGateway, RouterPagePatterns::kSubnetMask, RouterPagePatterns::kWanMac,
    RouterPagePatterns::kConnectionTypeIndex};

void CheckAgainstWholePattern(const char* pattern, const std::string& page)
{
    std::string expected;
    try {
        const boost::regex expression(pattern, boost::regex::perl | boost::regex::icase);
        boost::smatch match;
        expected = boost::regex_search(page, match, expression) ? match.str(1) : std::string();
    } catch (const std::exception&) {
        return; // too complex for the whole pattern: nothing to compare
    }
    if (ExtractFirstMatch(pattern, page) != expected) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string page(reinterpret_cast<const char*>(data), size);
    MacInfo mac;
    RouterPageParsers::ReadMacAddresses(page, mac);
    WanStatusInfo status;
    RouterPageParsers::ReadWanStatus(page, status);
    const int cable = RouterPageParsers::CableStatusFromPage(page);
    const int type = RouterPageParsers::WanTypeFromDetection(page);
    if (cable < 0 || cable > 1 || type < -2 || type > 4 || mac.wanMac != mac.defaultMac) {
        std::abort();
    }
    for (const char* pattern : kPatterns) {
        CheckAgainstWholePattern(pattern, page);
    }
    return 0;
}
