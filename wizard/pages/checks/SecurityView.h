// What the security page shows for each mode, and its lists.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

enum SecurityMode {
    SecurityDisabled = 0,
    SecurityWep = 1,
    SecurityWpa = 2,
    SecurityWpa2 = 3,
};

// The controls that belong to one mode or another, by control id.
enum SecurityControl {
    SecurityNote = 1203,
    WepNote = 1205,
    AuthenticationLabel = 1132,
    AuthenticationList = 1127,
    KeyFormatLabel = 1133,
    KeyFormatList = 1128,
    TransmitKeyLabel = 1135,
    TransmitKeyList = 1129,
    WepKeyLabel = 1134,
    WepKeyField = 1130,
    CipherLabel = 1144,
    CipherList = 1139,
    PassphraseLabel = 1145,
    PassphraseField = 1141,
    PassphraseNote = 1137,
    RenewalTimeLabel = 1143,
    RenewalTimeField = 1142,
    TimeNote = 1138,
};

struct SecurityModeView {
    std::vector<SecurityControl> visible;
    // WPA and WPA2 refill the cipher list, select TKIP and set the two labels.
    bool resetsCipherList = false;
    QString cipherLabelKey;
    QString passphraseLabelKey;
};

// Every control of the mode-dependent set; those not in a view are hidden.
const std::vector<SecurityControl>& ModeDependentControls();

SecurityModeView ViewForSecurityMode(int mode);

// List entries as language keys, in stored-value order.
QStringList SecurityModeKeys();
QStringList AuthenticationKeys();
QStringList KeyFormatKeys();
QStringList TransmitKeyKeys();
QStringList CipherKeys();

inline constexpr const char* InitialRenewalTime = "3600";
inline constexpr int RenewalTimeMaxLength = 4;
