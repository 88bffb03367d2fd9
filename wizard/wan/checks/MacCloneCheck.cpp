#include "MacCloneCheck.h"

#include "AddressRules.h"
#include "CheckList.h"

std::optional<UserMessage> CollectMacCloneSettings(const QString& text, MacInfo& record,
                                                   std::string& chosenWanMac)
{
    auto warning = FirstFailedCheck({{IsValidMacText(text), LANG_KEY("Mac address invalid")}});
    if (warning)
        return warning;
    record.wanMac = text.toStdString();
    chosenWanMac = record.wanMac;
    return std::nullopt;
}

QString CloneMac(MacInfo& record)
{
    record.wanMac = record.cloneMac;
    return MacEditText(record);
}

QString RestoreMac(MacInfo& record)
{
    record.wanMac = record.factoryMac;
    return MacEditText(record);
}

QString MacEditText(const MacInfo& record)
{
    return QString::fromStdString(record.wanMac);
}
