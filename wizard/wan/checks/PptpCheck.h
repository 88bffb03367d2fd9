// The PPTP/L2TP page: tunnel server, account, and how the WAN port gets
// its own address.
#pragma once

#include "CDLLObject.h"
#include "CLanguageTable.h"
#include "UserMessage.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Address mode: the index of the combo box entry.
enum PptpAddressMode {
    AddressModeStatic = 0,  // WAN address entered on the page
    AddressModeDynamic = 1, // WAN address from the provider; the initial choice
};

struct PptpEntry {
    std::uint32_t serverAddress = 0;
    QString account;
    QString password;
    int addressMode = AddressModeDynamic;
    std::uint32_t wanIp = 0;
    std::uint32_t wanMask = 0;
    std::uint32_t wanGateway = 0;
};

// addressMode is stored before any check and stays stored on failure; the
// rest of the record changes only when every check passed. With the dynamic
// mode the three WAN fields are neither checked nor stored.
std::optional<UserMessage> CollectPptpSettings(const PptpEntry& entry, const RouterInfo& router,
                                               PptpInfo& record);

// The WAN IP, mask and gateway entries are enabled for every mode but Dynamic.
bool AreWanAddressFieldsEnabled(int addressMode);

// The combo box texts in index order.
QStringList AddressModeTexts(const CLanguageTable& language);
