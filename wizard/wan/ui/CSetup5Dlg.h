// Wizard page 5: how the router reaches the Internet. Each choice records
// the WAN type and moves on at once; the router can also be asked to detect
// the type itself.
#pragma once

#include "CWizardPage.h"

class CSetup5Dlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 212;
    static constexpr int kAutoDetectButton = 1152;
    static constexpr int kDetectManuallyLabel = 1213;
    static constexpr int kPptpChoice = 1148;

    CSetup5Dlg(QWidget* parent, WizardHost& host);

    void ChooseType(int wanType);
    void AutoDetectWanType();

protected:
    void OnInitDialog() override;

private:
    void StyleControls();
    void ConnectChoices();
    void ApplyChoiceVisibility();
    void LayoutChoiceCards();
};

// Setting "Show All Connection Types": "1" offers PPTP, L2TP and the
// automatic detection, which are hidden otherwise.
bool ShowsAllConnectionTypes();
