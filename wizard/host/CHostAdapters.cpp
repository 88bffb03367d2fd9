#include "CHostAdapters.h"

#include "WindowsCommandLine.h"

namespace {

constexpr std::string_view sectionTitle = "Ethernet adapter";
constexpr std::size_t headerLength = 50;
constexpr std::size_t namePosition = 17;

std::string AdapterName(const std::string& header)
{
    const std::size_t colon = header.find(':');
    const std::size_t end = colon == std::string::npos ? header.size() : colon;
    if (end <= namePosition)
        return {};
    return header.substr(namePosition, end - namePosition);
}

std::string DhcpCommand(const char* what, const std::string& name)
{
    return std::string("netsh -c interface ip set ") + what + " name = \"" + name + "\" source=dhcp";
}

} // namespace

CHostAdapters::CHostAdapters(CommandRunner runner, AdapterListSource adapterList, int systemMajorVersion)
    : runner_(std::move(runner)), adapterList_(std::move(adapterList)), systemMajorVersion_(systemMajorVersion)
{
}

bool CHostAdapters::ParseEthernetAdapters(const std::string& text)
{
    adapters_.clear();
    std::string rest = text;
    int count = 0;
    for (;;) {
        const std::size_t found = rest.find(sectionTitle);
        if (found == std::string::npos || found <= 1)
            break;
        const std::string header = rest.substr(found, headerLength);
        rest = rest.size() > found + headerLength ? rest.substr(found + headerLength) : std::string();
        adapters_[count++] = AdapterName(header);
    }
    return count > 0;
}

const std::map<int, std::string>& CHostAdapters::Adapters() const
{
    return adapters_;
}

bool CHostAdapters::ResetAdaptersToDhcp()
{
    if (!ParseEthernetAdapters(Run("ipconfig.exe")))
        return false;
    for (const auto& [number, name] : adapters_) {
        Run(DhcpCommand("address", name));
        Run(DhcpCommand("dns", name));
    }
    return true;
}

bool CHostAdapters::FindGatewayAddress(QString& gateway)
{
    const auto adapters = adapterList_();
    if (!adapters)
        return false;
    PickGatewayAddress(*adapters, systemMajorVersion_, gateway);
    return true;
}

std::string CHostAdapters::Run(const std::string& commandLine) const
{
    return runner_(SplitCommandLine(commandLine)).output;
}
