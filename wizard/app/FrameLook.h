// The frame's house style: picture buttons, the web link and the three
// labels in the colours of setting.ini.
#pragma once

class QWidget;

void ApplyFrameLook(QWidget* frame);
