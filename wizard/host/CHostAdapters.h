// The adapter reset through the command-line tools of the original system:
// list the adapters with ipconfig, switch each to DHCP with netsh. Commands
// go through an injectable runner, split as that system splits command lines.
#pragma once

#include "AdapterRecord.h"
#include "CommandRunner.h"
#include "HostAdapters.h"

#include <map>
#include <optional>
#include <string>

class CHostAdapters : public HostAdapters {
public:
    using AdapterListSource = std::function<std::optional<std::vector<AdapterRecord>>()>;

    CHostAdapters(CommandRunner runner, AdapterListSource adapterList, int systemMajorVersion);

    bool ResetAdaptersToDhcp() override;
    bool FindGatewayAddress(QString& gateway) override;
    // The reset fails only when ipconfig lists no Ethernet adapter.
    HostResetFailure LastResetFailure() const override
    {
        return adapters_.empty() ? HostResetFailure::NoWiredAdapter : HostResetFailure::None;
    }

    // Fills the adapter map from ipconfig output; true when a name was found.
    bool ParseEthernetAdapters(const std::string& text);
    const std::map<int, std::string>& Adapters() const;

private:
    std::string Run(const std::string& commandLine) const;

    CommandRunner runner_;
    AdapterListSource adapterList_;
    int systemMajorVersion_;
    std::map<int, std::string> adapters_;
};
