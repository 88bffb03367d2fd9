#include "SecurityView.h"

#include "CLanguageTable.h"

const std::vector<SecurityControl>& ModeDependentControls()
{
    static const std::vector<SecurityControl> controls{
        SecurityNote,     WepNote,         AuthenticationLabel, AuthenticationList, KeyFormatLabel,
        KeyFormatList,    TransmitKeyLabel, TransmitKeyList,     WepKeyLabel,        WepKeyField,
        CipherLabel,      CipherList,       PassphraseLabel,     PassphraseField,    PassphraseNote,
        RenewalTimeLabel, RenewalTimeField, TimeNote,
    };
    return controls;
}

SecurityModeView ViewForSecurityMode(int mode)
{
    const std::vector<SecurityControl> wpaControls{CipherLabel,      CipherList,       PassphraseLabel,
                                                   PassphraseField,  PassphraseNote,   RenewalTimeLabel,
                                                   RenewalTimeField, TimeNote};
    switch (mode) {
    case SecurityDisabled:
        return {{SecurityNote}, false, {}, {}};
    case SecurityWep:
        return {{WepNote, AuthenticationLabel, AuthenticationList, KeyFormatLabel, KeyFormatList, TransmitKeyLabel,
                 TransmitKeyList, WepKeyLabel, WepKeyField},
                false,
                {},
                {}};
    case SecurityWpa:
        return {wpaControls, true, QStringLiteral(LANG_KEY("WPA Key Mode")), QStringLiteral(LANG_KEY("WPA Key"))};
    case SecurityWpa2:
        return {wpaControls, true, QStringLiteral(LANG_KEY("WPA2 Key Mode")), QStringLiteral(LANG_KEY("WPA2 Key"))};
    default:
        return {};
    }
}

QStringList SecurityModeKeys()
{
    return {QStringLiteral(LANG_KEY("Disable")), QStringLiteral(LANG_KEY("WEP")), QStringLiteral(LANG_KEY("WPA")),
            QStringLiteral(LANG_KEY("WPA2"))};
}

QStringList AuthenticationKeys()
{
    return {QStringLiteral(LANG_KEY("Open")), QStringLiteral(LANG_KEY("Share"))};
}

QStringList KeyFormatKeys()
{
    return {QStringLiteral(LANG_KEY("ASCII")), QStringLiteral(LANG_KEY("Hex"))};
}

QStringList TransmitKeyKeys()
{
    return {QStringLiteral(LANG_KEY("Key 1")), QStringLiteral(LANG_KEY("Key 2")), QStringLiteral(LANG_KEY("Key 3")),
            QStringLiteral(LANG_KEY("Key 4"))};
}

QStringList CipherKeys()
{
    return {QStringLiteral(LANG_KEY("TKIP")), QStringLiteral(LANG_KEY("AES"))};
}
