// The words printed in the instruction pictures, one set per language.
#pragma once

#include <QString>
#include <array>

struct InstructionCaptions {
    bool chinese = false;
    QString internet;
    QString modem;
    QString router;
    QString wanPort;
    QString lanPort;
    QString computer;
    QString adapter;
    QString aboutOneMinute;
    std::array<QString, 4> hints;  // one line under each of the four pictures

    // No words at all: the devices and cables speak for themselves.
    static InstructionCaptions LanguageFree();
    static InstructionCaptions English();
    static InstructionCaptions Czech();
    static InstructionCaptions SimplifiedChinese();
};
