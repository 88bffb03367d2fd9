// What the result page's eleven value fields show for the status record,
// and which of them need new text.
#pragma once

#include "CDLLObject.h"
#include "CLanguageTable.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// Row order; each value names the field's control id.
enum ResultField {
    ResultLinkMode = 1196,
    ResultWanIp = 1197,
    ResultSubnetMask = 1198,
    ResultGateway = 1199,
    ResultWanMac = 1200,
    ResultSsid = 1201,
    ResultWirelessMode = 1202,
    ResultBroadcast = 1203,
    ResultSecurityMode = 1204,
    ResultKey = 1205,
    ResultChannel = 1206,
};

inline constexpr std::array<ResultField, 11> ResultFields{
    ResultLinkMode, ResultWanIp,        ResultSubnetMask, ResultGateway,      ResultWanMac, ResultSsid,
    ResultChannel,  ResultWirelessMode, ResultBroadcast,  ResultSecurityMode, ResultKey,
};

struct ResultFieldText {
    ResultField field;
    QString text;

    bool operator==(const ResultFieldText&) const = default;
};

// The text for one field; none where the value leaves the field as it is
// (a wireless or security mode outside the known ones).
std::optional<QString> ResultText(ResultField field, const WanStatusInfo& status, const CLanguageTable& language);

// The fields whose text differs from what they show now (`shown` in
// ResultFields order), so a refresh rewrites only what changed.
std::vector<ResultFieldText> ChangedResultFields(const std::array<QString, 11>& shown, const WanStatusInfo& status,
                                                 const CLanguageTable& language);

// The refresh rounds end once the WAN address, mask and gateway are known.
bool IsWanAddressKnown(const WanStatusInfo& status);
