// Reads INI files with the semantics of the Windows profile reader: names
// compared ignoring case, first match wins, quotes and blanks trimmed,
// value cut to room - 1 characters, default for a missing file or key.
#pragma once

#include <QString>

QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultValue, int room);
