// Wizard page 9: the MAC address the router's WAN port presents to the
// provider: kept, cloned, restored to the factory one, or typed.
#pragma once

#include "CWizardPage.h"

class CMacCloneDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 157;
    static constexpr int kMacEdit = 1038;
    static constexpr int kCloneButton = 1146;
    static constexpr int kRestoreButton = 1147;

    CMacCloneDlg(QWidget* parent, WizardHost& host);

    void CloneMac();
    void RestoreMac();
    // Checks the typed address and makes it the WAN MAC to be set.
    bool CollectSettings() override;

protected:
    void OnInitDialog() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Text typed but not accepted is dropped whenever the page is shown or hidden.
    void ShowStoredWanMac();
};
