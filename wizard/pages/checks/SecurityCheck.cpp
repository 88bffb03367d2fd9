#include "SecurityCheck.h"

#include "AddressRules.h"
#include "CheckList.h"
#include "SecurityKeyRules.h"

namespace {

bool IsWpaMode(int mode)
{
    return mode == SecurityWpa || mode == SecurityWpa2;
}

std::optional<UserMessage> CheckEntry(const SecurityEntry& entry)
{
    if (entry.mode == SecurityWep) {
        const bool keyValid =
            entry.keyFormatIndex == 0 ? IsValidWepAsciiKey(entry.wepKey) : IsValidWepHexKey(entry.wepKey);
        return FirstFailedCheck({{keyValid, LANG_KEY("WEP Key Invalid")}});
    }
    if (IsWpaMode(entry.mode)) {
        // The passphrase first: with both wrong only its warning shows.
        return FirstFailedCheck({
            {IsValidPassphrase(entry.passphrase), LANG_KEY("WPA Key Invalid")},
            {IsValidKeyRenewalTime(entry.renewalTime), LANG_KEY("Key Time Invalid")},
        });
    }
    return std::nullopt;
}

void StoreWep(const SecurityEntry& entry, SecurityInfo& record)
{
    record.wepAuthMode = entry.authenticationIndex;
    record.wepKeyFormat = entry.keyFormatIndex;
    record.wepKeyIndex = entry.transmitKeyIndex;
    record.wepKey = entry.wepKey.toStdString();
    record.wepKeyLength = static_cast<int>(entry.wepKey.size());
}

void StoreWpa(const SecurityEntry& entry, SecurityInfo& record)
{
    record.wpaCipher = entry.cipherIndex;
    record.passphrase = EscapeFormValue(entry.passphrase).toStdString();
    record.passphraseLength = static_cast<int>(entry.passphrase.size());
    record.keyRenewalInterval = static_cast<int>(ReadLeadingDecimal(entry.renewalTime));
}

} // namespace

std::optional<UserMessage> CollectSecuritySettings(const SecurityEntry& entry, SecurityInfo& record,
                                                   WanStatusInfo& status)
{
    auto warning = CheckEntry(entry);
    if (warning)
        return warning;
    record.securityMode = entry.mode;
    status.securityMode = entry.mode;
    if (entry.mode == SecurityWep) {
        StoreWep(entry, record);
        status.securityKey = record.wepKey;
    } else if (IsWpaMode(entry.mode)) {
        StoreWpa(entry, record);
        // The person reads and types the passphrase as written, not its form copy.
        status.securityKey = entry.passphrase.toStdString();
    }
    return std::nullopt;
}
