// The rules for WEP keys, WPA passphrases and the key renewal time.
#pragma once

#include <QString>

// Only ASCII letters and digits: a WEP key of exactly 5 or 13 characters,
// a passphrase of 8 to 63.
bool IsValidWepAsciiKey(const QString& key);
bool IsValidPassphrase(const QString& passphrase);

// Not empty, 10 or 26 characters, only hexadecimal digits.
bool IsValidWepHexKey(const QString& key);

// Reads the text as atoi does: leading white space, an optional sign,
// digits up to the first other character; no digits gives 0.
long ReadLeadingDecimal(const QString& text);

// 60 to 9999 seconds.
bool IsValidKeyRenewalTime(const QString& text);
