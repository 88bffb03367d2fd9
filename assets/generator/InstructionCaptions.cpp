#include "InstructionCaptions.h"

InstructionCaptions InstructionCaptions::LanguageFree() { return {}; }

InstructionCaptions InstructionCaptions::English() {
    InstructionCaptions c;
    c.internet = QStringLiteral("Internet");
    c.modem = QStringLiteral("Modem");
    c.router = QStringLiteral("Router");
    c.wanPort = QStringLiteral("Blue WAN port");
    c.lanPort = QStringLiteral("Orange LAN port");
    c.computer = QStringLiteral("Computer");
    c.adapter = QStringLiteral("Power adapter");
    c.aboutOneMinute = QStringLiteral("about 1 min");
    c.hints = {QStringLiteral("Connect the modem to the router's blue WAN port"),
               QStringLiteral("Connect your computer to an orange LAN port"),
               QStringLiteral("Plug in the power adapter and switch the router on"),
               QStringLiteral("Wait about 1 minute until the lights are on")};
    return c;
}

InstructionCaptions InstructionCaptions::Czech() {
    InstructionCaptions c;
    c.internet = QStringLiteral("Internet");
    c.modem = QStringLiteral("Modem");
    c.router = QStringLiteral("Router");
    c.wanPort = QStringLiteral("Modrý port WAN");
    c.lanPort = QStringLiteral("Oranžový port LAN");
    c.computer = QStringLiteral("Počítač");
    c.adapter = QStringLiteral("Napájecí adaptér");
    c.aboutOneMinute = QStringLiteral("asi 1 minuta");
    c.hints = {QStringLiteral("Propojte modem s modrým portem WAN routeru"),
               QStringLiteral("Propojte počítač s oranžovým portem LAN"),
               QStringLiteral("Připojte napájecí adaptér a zapněte router"),
               QStringLiteral("Počkejte asi 1 minutu, až se rozsvítí kontrolky")};
    return c;
}

InstructionCaptions InstructionCaptions::SimplifiedChinese() {
    InstructionCaptions c;
    c.chinese = true;
    c.internet = QStringLiteral("互联网");
    c.modem = QStringLiteral("调制解调器");
    c.router = QStringLiteral("路由器");
    c.wanPort = QStringLiteral("蓝色 WAN 口");
    c.lanPort = QStringLiteral("橙色 LAN 口");
    c.computer = QStringLiteral("电脑");
    c.adapter = QStringLiteral("电源适配器");
    c.aboutOneMinute = QStringLiteral("约 1 分钟");
    c.hints = {QStringLiteral("用网线将调制解调器连接到路由器的蓝色 WAN 口"),
               QStringLiteral("用网线将电脑连接到路由器的橙色 LAN 口"),
               QStringLiteral("插上电源适配器，打开路由器电源"),
               QStringLiteral("等待约 1 分钟，直到指示灯亮起")};
    return c;
}
