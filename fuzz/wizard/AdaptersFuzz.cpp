// Feeds arbitrary text to the ipconfig parser and the command line splitter,
// and checks the limits the parser promises.
#include "CHostAdapters.h"
#include "WindowsCommandLine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CHostAdapters adapters([](const std::vector<std::string>&) { return CommandResult(); }, {}, 6);
    const bool found = adapters.ParseEthernetAdapters(text);
    if (found == adapters.Adapters().empty())
        std::abort();
    for (const auto& [number, name] : adapters.Adapters()) {
        if (name.size() > 33 || name.find(':') != std::string::npos)
            std::abort();
    }
    for (const std::string& arg : SplitCommandLine(text)) {
        if (arg.size() > text.size())
            std::abort();
    }
    return 0;
}
