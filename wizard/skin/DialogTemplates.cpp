// Every dialog and page layout in one place. Pages are 432 × 222 dialog units
// (648 × 360 px): the step number sits in the calm top-left corner of the
// page pictures, the title beside it, the fields below in two columns.
#include "DialogTemplate.h"

#include <algorithm>

namespace {

using enum ControlKind;
using namespace ItemStyle;

std::vector<DialogTemplate> MakeTemplates()
{
    std::vector<DialogTemplate> t;

    t.push_back({.id = 100, .cx = 280, .cy = 120, .items = {
        {.id = 1300, .kind = Picture, .rect = {16, 25, 45, 41}},
        {.id = 1301, .kind = Static, .caption = "App Name", .rect = {73, 14, 193, 15}},
        {.id = 1302, .kind = Static, .rect = {73, 36, 193, 13}},
        {.id = 1, .kind = PushButton, .caption = "OK", .rect = {116, 94, 48, 15}},
    }});

    t.push_back({.id = 102, .cx = 449, .cy = 308, .items = {
        {.id = 1147, .kind = Hotspot, .caption = "webURL", .rect = {13, 278, 187, 15}},
        {.id = 1104, .kind = Static, .rect = {8, 43, 432, 222}},
        {.id = 1082, .kind = PushButton, .caption = "Back", .rect = {220, 276, 67, 19}},
        {.id = 1018, .kind = PushButton, .caption = "Next", .rect = {294, 276, 67, 19}},
        {.id = 1083, .kind = PushButton, .caption = "Exit", .rect = {367, 276, 67, 19}},
        {.id = 1151, .kind = PushButton, .caption = "Manual", .rect = {220, 276, 67, 19}},
        {.id = 1213, .kind = Static, .caption = "Model No.", .rect = {270, 17, 170, 10}, .style = kRightAligned},
        {.id = 1214, .kind = Static, .caption = "Product Name", .rect = {270, 6, 170, 10}, .style = kRightAligned},
        {.id = 1215, .kind = Static, .caption = "Version No.", .rect = {270, 28, 170, 10}, .style = kRightAligned},
    }});

    t.push_back({.id = 135, .cx = 302, .cy = 80, .items = {
        {.id = 1173, .kind = Static, .rect = {13, 59, 275, 15}, .style = kCentered},
    }});

    t.push_back({.id = 157, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "7", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Mac clone Title", .rect = {54, 7, 370, 30}},
        {.id = 1168, .kind = Static, .caption = "MAC Clone Attention", .rect = {40, 50, 370, 40}},
        {.id = 1061, .kind = Static, .caption = "MAC address", .rect = {40, 100, 120, 13}},
        {.id = 1038, .kind = Edit, .rect = {170, 99, 150, 13}},
        {.id = 1146, .kind = PushButton, .caption = "Clone Mac", .rect = {170, 125, 80, 19}},
        {.id = 1147, .kind = PushButton, .caption = "Restore Mac", .rect = {260, 125, 80, 19}},
    }});

    t.push_back({.id = 158, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "6", .rect = {5, 2, 47, 37}},
        {.id = 1169, .kind = Static, .caption = "PPPoE Title", .rect = {54, 7, 370, 30}},
        {.id = 1063, .kind = Static, .caption = "Account", .rect = {40, 60, 120, 13}},
        {.id = 1040, .kind = Edit, .rect = {170, 59, 150, 13}},
        {.id = 1064, .kind = Static, .caption = "Password", .rect = {40, 82, 120, 13}},
        {.id = 1041, .kind = Edit, .rect = {170, 81, 150, 13}},
        {.id = 1146, .kind = PushButton, .caption = "Check Accounts", .rect = {170, 110, 80, 19}},
    }});

    t.push_back({.id = 159, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "6", .rect = {5, 2, 47, 37}},
        {.id = 1073, .kind = Static, .caption = "Static IP Title", .rect = {54, 7, 370, 30}},
        {.id = 1182, .kind = Static, .caption = "IP Address", .rect = {40, 55, 120, 13}},
        {.id = 1030, .kind = IpAddress, .rect = {170, 54, 110, 14}},
        {.id = 1074, .kind = Static, .caption = "Subnet Mask", .rect = {40, 77, 120, 13}},
        {.id = 1031, .kind = IpAddress, .rect = {170, 76, 110, 14}},
        {.id = 1075, .kind = Static, .caption = "Default Gateway", .rect = {40, 99, 120, 13}},
        {.id = 1032, .kind = IpAddress, .rect = {170, 98, 110, 14}},
        {.id = 1076, .kind = Static, .caption = "Primary DNS", .rect = {40, 121, 120, 13}},
        {.id = 1033, .kind = IpAddress, .rect = {170, 120, 110, 14}},
        {.id = 1077, .kind = Static, .caption = "Secondary DNS", .rect = {40, 143, 120, 13}},
        {.id = 1034, .kind = IpAddress, .rect = {170, 142, 110, 14}},
    }});

    t.push_back({.id = 160, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "10", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Result Title", .rect = {54, 7, 336, 30}},
        {.id = 1262, .kind = Picture, .rect = {392, 7, 32, 30}},
        {.id = 1067, .kind = Static, .caption = "link mode", .rect = {12, 50, 76, 12}},
        {.id = 1196, .kind = Edit, .rect = {90, 49, 110, 12}, .style = kReadOnly},
        {.id = 1066, .kind = Static, .caption = "IP Address", .rect = {12, 68, 76, 12}},
        {.id = 1197, .kind = Edit, .rect = {90, 67, 110, 12}, .style = kReadOnly},
        {.id = 1068, .kind = Static, .caption = "NetMask", .rect = {12, 86, 76, 12}},
        {.id = 1198, .kind = Edit, .rect = {90, 85, 110, 12}, .style = kReadOnly},
        {.id = 1069, .kind = Static, .caption = "gateway", .rect = {12, 104, 76, 12}},
        {.id = 1199, .kind = Edit, .rect = {90, 103, 110, 12}, .style = kReadOnly},
        {.id = 1078, .kind = Static, .caption = "WAN Mac", .rect = {12, 122, 76, 12}},
        {.id = 1200, .kind = Edit, .rect = {90, 121, 110, 12}, .style = kReadOnly},
        {.id = 1070, .kind = Static, .caption = "SSID", .rect = {208, 50, 98, 12}},
        {.id = 1201, .kind = Edit, .rect = {308, 49, 116, 12}, .style = kReadOnly},
        {.id = 1072, .kind = Static, .caption = "Channel", .rect = {208, 68, 98, 12}},
        {.id = 1206, .kind = Edit, .rect = {308, 67, 116, 12}, .style = kReadOnly},
        {.id = 1071, .kind = Static, .caption = "wireless mode", .rect = {208, 86, 98, 12}},
        {.id = 1202, .kind = Edit, .rect = {308, 85, 116, 12}, .style = kReadOnly},
        {.id = 1193, .kind = Static, .caption = "ssid broadcast", .rect = {208, 104, 98, 12}},
        {.id = 1203, .kind = Edit, .rect = {308, 103, 116, 12}, .style = kReadOnly},
        {.id = 1194, .kind = Static, .caption = "encryption Mode", .rect = {208, 122, 98, 12}},
        {.id = 1204, .kind = Edit, .rect = {308, 121, 116, 12}, .style = kReadOnly},
        {.id = 1195, .kind = Static, .caption = "Key", .rect = {208, 140, 98, 12}},
        {.id = 1205, .kind = Edit, .rect = {308, 139, 116, 12}, .style = kReadOnly},
        {.id = 1261, .kind = Picture, .rect = {12, 154, 64, 60}},
        {.id = 1207, .kind = Static, .caption = "Status Note", .rect = {84, 156, 340, 30}},
        {.id = 1263, .kind = PushButton, .caption = "Save network card", .rect = {226, 190, 107, 19}},
        {.id = 1146, .kind = PushButton, .caption = "Refresh", .rect = {340, 190, 67, 19}},
    }});

    t.push_back({.id = 167, .cx = 280, .cy = 120, .items = {
        {.id = 1163, .kind = Picture, .rect = {16, 25, 45, 41}},
        {.id = 1211, .kind = Static, .rect = {73, 10, 193, 15}},
        {.id = 1212, .kind = Static, .rect = {73, 30, 193, 55}},
        {.id = 1, .kind = PushButton, .caption = "OK", .rect = {116, 94, 48, 15}},
        {.id = 6, .kind = PushButton, .caption = "Yes", .rect = {87, 94, 48, 15}},
        {.id = 7, .kind = PushButton, .caption = "No", .rect = {145, 94, 48, 15}},
    }});

    t.push_back({.id = 187, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "8", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Wireless Title", .rect = {54, 7, 370, 30}},
        {.id = 1114, .kind = Static, .caption = "SSID", .rect = {40, 52, 120, 13}},
        {.id = 1108, .kind = Edit, .rect = {170, 51, 150, 13}},
        {.id = 1115, .kind = Static, .caption = "Wireless Mode", .rect = {40, 72, 120, 13}},
        {.id = 1111, .kind = ComboBox, .rect = {170, 71, 150, 13}},
        {.id = 1116, .kind = Static, .caption = "channel", .rect = {40, 92, 120, 13}},
        {.id = 1112, .kind = ComboBox, .rect = {170, 91, 150, 13}},
        {.id = 1117, .kind = Static, .caption = "SSID Broadcast", .rect = {40, 112, 120, 13}},
        {.id = 1113, .kind = CheckBox, .rect = {170, 111, 14, 13}},
        {.id = 1203, .kind = Static, .caption = "Wireless Note", .rect = {40, 140, 370, 60}},
    }});

    t.push_back({.id = 188, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "6", .rect = {5, 2, 47, 37}},
        {.id = 1170, .kind = Static, .caption = "PPTP Title", .rect = {54, 7, 370, 30}},
        {.id = 1153, .kind = Static, .caption = "Server IP Address", .rect = {40, 48, 120, 13}},
        {.id = 1118, .kind = IpAddress, .rect = {170, 47, 110, 14}},
        {.id = 1154, .kind = Static, .caption = "Account", .rect = {40, 66, 120, 13}},
        {.id = 1119, .kind = Edit, .rect = {170, 65, 150, 13}},
        {.id = 1155, .kind = Static, .caption = "Password", .rect = {40, 84, 120, 13}},
        {.id = 1120, .kind = Edit, .rect = {170, 83, 150, 13}},
        {.id = 1156, .kind = Static, .caption = "Address Mode", .rect = {40, 102, 120, 13}},
        {.id = 1121, .kind = ComboBox, .rect = {170, 101, 110, 13}},
        {.id = 1157, .kind = Static, .caption = "IP Address", .rect = {40, 120, 120, 13}},
        {.id = 1123, .kind = IpAddress, .rect = {170, 119, 110, 14}},
        {.id = 1158, .kind = Static, .caption = "Subnet Mask", .rect = {40, 138, 120, 13}},
        {.id = 1124, .kind = IpAddress, .rect = {170, 137, 110, 14}},
        {.id = 1159, .kind = Static, .caption = "Default Gateway", .rect = {40, 156, 120, 13}},
        {.id = 1125, .kind = IpAddress, .rect = {170, 155, 110, 14}},
    }});

    t.push_back({.id = 189, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "9", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Security Title", .rect = {54, 7, 370, 30}},
        {.id = 1131, .kind = Static, .caption = "Security", .rect = {40, 48, 120, 13}},
        {.id = 1126, .kind = ComboBox, .rect = {170, 47, 150, 13}},
        {.id = 1132, .kind = Static, .caption = "Authentication Mode ", .rect = {40, 68, 120, 13}},
        {.id = 1127, .kind = ComboBox, .rect = {170, 67, 150, 13}},
        {.id = 1133, .kind = Static, .caption = "Key Type", .rect = {40, 86, 120, 13}},
        {.id = 1128, .kind = ComboBox, .rect = {170, 85, 150, 13}},
        {.id = 1135, .kind = Static, .caption = "Transmit Key", .rect = {40, 104, 120, 13}},
        {.id = 1129, .kind = ComboBox, .rect = {170, 103, 150, 13}},
        {.id = 1134, .kind = Static, .caption = "key", .rect = {40, 122, 120, 13}},
        {.id = 1130, .kind = Edit, .rect = {170, 121, 150, 13}},
        {.id = 1144, .kind = Static, .caption = "WPA type", .rect = {40, 68, 120, 13}},
        {.id = 1139, .kind = ComboBox, .rect = {170, 67, 150, 13}},
        {.id = 1145, .kind = Static, .caption = "WPA key", .rect = {40, 86, 120, 13}},
        {.id = 1141, .kind = Edit, .rect = {170, 85, 150, 13}},
        {.id = 1137, .kind = Static, .caption = "8~63 ASCII characters", .rect = {326, 86, 100, 13}},
        {.id = 1143, .kind = Static, .caption = "Key Valid Time", .rect = {40, 104, 120, 13}},
        {.id = 1142, .kind = Edit, .caption = "3600", .rect = {170, 103, 150, 13}, .style = kDigitsOnly},
        {.id = 1138, .kind = Static, .caption = "s.60s~9999s", .rect = {326, 104, 100, 13}},
        {.id = 1203, .kind = Static, .caption = "Security Note", .rect = {40, 145, 370, 50}},
        {.id = 1205, .kind = Static, .caption = "WEP Security Note", .rect = {40, 145, 370, 50}},
    }});

    t.push_back({.id = 205, .cx = 432, .cy = 222, .items = {
        {.id = 1172, .kind = Static, .caption = "welcome                    ", .rect = {20, 55, 392, 30}, .style = kCentered},
        {.id = 1173, .kind = Static, .caption = "info                 ", .rect = {40, 95, 352, 100}},
    }});

    t.push_back({.id = 207, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "1", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Setup1 Title", .rect = {54, 7, 370, 30}},
    }});

    t.push_back({.id = 208, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "2", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Setup2 Title", .rect = {54, 7, 370, 30}},
    }});

    t.push_back({.id = 209, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "3", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Setup3 Title", .rect = {54, 7, 370, 30}},
    }});

    t.push_back({.id = 210, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "4", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Setup4 Title", .rect = {54, 7, 370, 30}},
    }});

    t.push_back({.id = 212, .cx = 432, .cy = 222, .items = {
        {.id = 1174, .kind = Static, .caption = "5", .rect = {5, 2, 47, 37}},
        {.id = 1171, .kind = Static, .caption = "Setup5 Title", .rect = {54, 7, 370, 30}},
        {.id = 1147, .kind = Hotspot, .caption = "Dynamic IP Desc", .rect = {60, 50, 366, 16}},
        {.id = 1151, .kind = Hotspot, .caption = "Static IP Desc ", .rect = {60, 70, 366, 16}},
        {.id = 1149, .kind = Hotspot, .caption = "PPPoE Desc", .rect = {60, 90, 366, 16}},
        {.id = 1148, .kind = Hotspot, .caption = "PPTP Desc", .rect = {60, 110, 366, 16}, .style = kHidden},
        {.id = 1146, .kind = Hotspot, .caption = "L2TP Desc", .rect = {60, 130, 366, 16}, .style = kHidden},
        {.id = 1152, .kind = Hotspot, .caption = "Auto detect", .rect = {60, 160, 100, 16}, .style = kHidden},
        {.id = 1213, .kind = Static, .caption = "Detect manually ", .rect = {170, 162, 220, 13}, .style = kHidden},
    }});

    // The picture's drawing fills the left; the texts stand in the column beside it.
    t.push_back({.id = 214, .cx = 504, .cy = 190, .items = {
        {.id = 1105, .kind = PushButton, .caption = "Retry", .rect = {218, 159, 67, 19}},
        {.id = 1257, .kind = Static, .caption = "Connect failed", .rect = {306, 10, 188, 26}},
        {.id = 1258, .kind = Static, .caption = "Connect Failed Des", .rect = {306, 38, 188, 26}},
        {.id = 1260, .kind = Static, .rect = {306, 66, 188, 64}},
        {.id = 1259, .kind = Static, .caption = "Connect Failed Note", .rect = {306, 132, 188, 14}},
    }});

    t.push_back({.id = 216, .cx = 432, .cy = 222, .items = {
        {.id = 1171, .kind = Static, .caption = "Select Language", .rect = {54, 7, 370, 30}},
        {.id = 1146, .kind = PushButton, .caption = "English", .rect = {110, 100, 67, 19}},
        {.id = 1147, .kind = PushButton, .caption = "Czechic", .rect = {255, 100, 67, 19}},
    }});
    return t;
}

const std::vector<DialogTemplate>& AllTemplates()
{
    static const std::vector<DialogTemplate> templates = MakeTemplates();
    return templates;
}

} // namespace

const DialogTemplate* FindDialogTemplate(int templateId)
{
    const auto& all = AllTemplates();
    const auto it = std::find_if(all.begin(), all.end(), [templateId](const DialogTemplate& t) { return t.id == templateId; });
    return it == all.end() ? nullptr : &*it;
}

std::vector<int> DialogTemplateIds()
{
    std::vector<int> ids;
    for (const DialogTemplate& t : AllTemplates())
        ids.push_back(t.id);
    return ids;
}
