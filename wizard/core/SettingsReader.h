// Readers of setting.ini beside the program.
#pragma once

#include <QString>

// Section "Setting", default the key itself, room 1024, "\r\n" and "[~NULL~]" replaced.
QString ReadSettingText(const QString& key);
// Section "Font", default the key itself, room 4096, same replacements.
QString ReadFontSetting(const QString& key);
// Section "Font", key "FontName", default "Arial", room 128.
QString ReadFontFace();
// Section "Setting", default the key itself, room 4096, no replacement ("Manual").
QString ReadSettingPlain(const QString& key);
// Section "Setting" with an explicit default and room, no replacement.
QString ReadSetting(const QString& key, const QString& defaultValue, int room);
// Section "Font" with an explicit default and room, no replacement.
QString ReadFontValue(const QString& key, const QString& defaultValue, int room);

// The "\r\n" and "[~NULL~]" replacements shared with the language table.
QString ApplyTextReplacements(QString text);
