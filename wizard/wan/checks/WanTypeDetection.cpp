#include "WanTypeDetection.h"

DetectionOutcome ClassifyDetection(int result)
{
    const QString oneBlank = QStringLiteral(" ");
    switch (result) {
    case 1:
        return {true, 1, QStringLiteral(LANG_KEY("Static IP")), oneBlank};
    case 2:
        return {true, 2, QStringLiteral(LANG_KEY("Dynamic IP")), oneBlank};
    case 3:
        return {true, 3, QStringLiteral(LANG_KEY("PPPoE")), QStringLiteral("   ")};
    default:
        return {};
    }
}

MessageBoxText DetectionMessage(const DetectionOutcome& outcome, const CLanguageTable& language)
{
    if (!outcome.detected) {
        return {MessageWarning, language.GetText(QStringLiteral("Auto detection failure")),
                language.GetText(QStringLiteral("Auto detection failure Desc"))};
    }
    const QString message =
        language.GetText(QStringLiteral("Your connection way")) + outcome.separator + language.GetText(outcome.nameKey);
    return {MessageNotice, language.GetText(QStringLiteral("Success")), message};
}
