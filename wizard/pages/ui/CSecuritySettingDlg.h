// The wireless security page: no security, WEP with a static key, or WPA /
// WPA2 with a passphrase; each mode shows only its own fields.
#pragma once

#include "CWizardPage.h"

class QComboBox;

class CSecuritySettingDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 189;
    static constexpr int kModeList = 1126;

    CSecuritySettingDlg(QWidget* parent, WizardHost& host);

    // Shows the fields of the selected mode and hides the others.
    void SecurityModeChanged();
    // Checks the chosen mode's fields and stores them in the security record
    // and the result page's status.
    bool CollectSettings() override;

protected:
    void OnInitDialog() override;

private:
    void StyleControls();
    void FillLists();
    void FillList(int id, const QStringList& keys);
    void ApplyModeView(int mode);
};
