// Feeds arbitrary text to the ipconfig parser, the command line splitter and
// the reading of nmcli's replies, and checks the limits they promise.
#include "CHostAdapters.h"
#include "NetworkManagerClient.h"
#include "WindowsCommandLine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A DHCP option is one trimmed value taken from the reply.
void CheckDhcpOption(const std::string& value, const std::string& reply)
{
    if (value.find('\n') != std::string::npos || reply.find(value) == std::string::npos
        || (!value.empty() && (value.front() == ' ' || value.back() == ' ')))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const CommandRunner reply = [&text](const std::vector<std::string>&) { return CommandResult{text, 0}; };
    CHostAdapters adapters(reply, {}, 6);
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
    const NetworkManagerClient client(reply);
    CheckDhcpOption(client.DhcpServer("eth0"), text);
    client.HasLease("eth0");
    client.ActiveConnection("eth0");
    client.UsesDhcp("uuid");
    return 0;
}
