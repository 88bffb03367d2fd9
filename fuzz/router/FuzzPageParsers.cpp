// Router pages of any content: the parsers must not fail and must give
// results within their ranges.
#include "RouterPageParsers.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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
    return 0;
}
