// The wireless basic page: network name, mode, channel and whether the
// name is broadcast.
#pragma once

#include "CWizardPage.h"

class CWirelessSettingDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 187;
    static constexpr int kSsidEdit = 1108;
    static constexpr int kModeList = 1111;
    static constexpr int kChannelList = 1112;
    static constexpr int kBroadcastBox = 1113;

    CWirelessSettingDlg(QWidget* parent, WizardHost& host);

    // Checks the SSID and stores the four values in the wireless record and
    // the result page's status.
    bool CollectSettings() override;

protected:
    void OnInitDialog() override;

private:
    void StyleControls();
    void ShowDefaults();
};
