// The colours the skin is drawn for: dark text on light fields and pages.
// Every window of the program carries them, so a dark or high-contrast
// desktop theme never turns a text light on the light skin.
#pragma once

#include <QPalette>

QPalette HousePalette();
