// Text link: the frame's web link and the choices of the connection page.
// After a click its idle text takes the clicked colour, like a visited link.
#pragma once

#include "CSkBtn_Pub.h"

class CSkBtn_Hotspot : public CSkBtn_Pub {
    Q_OBJECT
public:
    explicit CSkBtn_Hotspot(QWidget* parent = nullptr);

protected:
    void ApplyDefaultLook() override;
};
