// Text link: the frame's web link and the choices of the connection page.
// After a click its idle text takes the clicked colour, like a visited link.
// As a card it draws a framed area with a title above a description.
#pragma once

#include "CSkBtn_Pub.h"

class CSkBtn_Hotspot : public CSkBtn_Pub {
    Q_OBJECT
public:
    explicit CSkBtn_Hotspot(QWidget* parent = nullptr);

    void SetCardLook(bool card);

protected:
    void ApplyDefaultLook() override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool card_ = false;
};
