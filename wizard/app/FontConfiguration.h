// The system's font configuration, loaded ahead of the first text drawn;
// Qt reads fonts through the same thread-safe library, which then has it.
#pragma once

void LoadFontConfiguration();
