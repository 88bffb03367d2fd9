// The screen's logical pixels per inch, read when a dialog initialises.
#pragma once

int ScreenDpi();
void SetScreenDpi(int dpi);
