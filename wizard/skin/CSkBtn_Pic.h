// Picture push button: Back, Next, Exit, Manual and the page buttons.
#pragma once

#include "CSkBtn_Pub.h"

class CSkBtn_Pic : public CSkBtn_Pub {
    Q_OBJECT
public:
    explicit CSkBtn_Pic(QWidget* parent = nullptr);

protected:
    CSkBtn_Pic(int stateCount, QWidget* parent);
    void ApplyDefaultLook() override;
};
