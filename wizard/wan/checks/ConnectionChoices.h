// The connection-type page's choices: which button sets which WAN type.
#pragma once

#include <QString>

#include <span>

struct ConnectionChoice {
    int controlId;
    int wanType;
};

// Top to bottom as the page stacks them: Dynamic IP, Static IP, PPPoE, PPTP, L2TP.
std::span<const ConnectionChoice> ConnectionChoices();

// The PPTP choice is hidden for the Simplified-Chinese language file.
bool HidesPptpChoice(const QString& languageFile);
