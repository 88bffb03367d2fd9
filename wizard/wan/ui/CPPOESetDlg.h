// Wizard page 6 for PPPoE: the account and password from the provider, and
// a check of them against the provider before going on.
#pragma once

#include "CWizardPage.h"

class CPPOESetDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 158;
    static constexpr int kAccountEdit = 1040;
    static constexpr int kPasswordEdit = 1041;
    static constexpr int kCheckAccountsButton = 1146;

    CPPOESetDlg(QWidget* parent, WizardHost& host);

    // Checks the entries and stores them escaped in the PPPoE record.
    bool CollectSettings() override;
    void CheckAccounts();

protected:
    void OnInitDialog() override;
};
