// Renders every page with the shipped skin and language files into
// screenshots/pages for a person to look at; nothing is compared.
#include "CMacCloneDlg.h"
#include "CPPOESetDlg.h"
#include "CPPTPSettingDlg.h"
#include "CResultDlg.h"
#include "CSecuritySettingDlg.h"
#include "CSelectlanguage.h"
#include "CSetup1Dlg.h"
#include "CSetup2Dlg.h"
#include "CSetup3Dlg.h"
#include "CSetup4Dlg.h"
#include "CSetup5Dlg.h"
#include "CStaticIpDlg.h"
#include "CWelcomeDlg.h"
#include "CWirelessSettingDlg.h"

#include "FakeWizardHost.h"
#include "PageTestSupport.h"
#include "ProgramFolder.h"

#include <QComboBox>
#include <QFileInfo>

#include <functional>
#include <memory>

namespace {

using PageFactory = std::function<std::unique_ptr<QWidget>(WizardHost&)>;

template <class Page>
PageFactory Make()
{
    return [](WizardHost& host) { return std::make_unique<Page>(nullptr, host); };
}

TEST(PageScreenshots, EveryPageRendersWithTheShippedSkin)
{
    ASSERT_TRUE(QFileInfo::exists(BuiltProgramFolder() + QStringLiteral("/Skin/Background2.bmp")));
    SetProgramFolder(BuiltProgramFolder());
    const struct {
        const char* name;
        PageFactory make;
    } pages[] = {
        {"00_welcome", Make<CWelcomeDlg>()},        {"01_setup1", Make<CSetup1Dlg>()},
        {"02_setup2", Make<CSetup2Dlg>()},          {"03_setup3", Make<CSetup3Dlg>()},
        {"04_setup4", Make<CSetup4Dlg>()},          {"05_connection_type", Make<CSetup5Dlg>()},
        {"06_pppoe", Make<CPPOESetDlg>()},          {"07_static_ip", Make<CStaticIpDlg>()},
        {"08_pptp", Make<CPPTPSettingDlg>()},       {"09_mac_clone", Make<CMacCloneDlg>()},
        {"10_wireless", Make<CWirelessSettingDlg>()}, {"11_security", Make<CSecuritySettingDlg>()},
        {"12_result", Make<CResultDlg>()},          {"216_language", Make<CSelectlanguage>()},
    };
    for (const auto& p : pages) {
        FakeWizardHost host;
        host.data.macInfo.wanMac = "00:1a:2b:3c:4d:5e";
        host.data.wanStatusInfo = WanStatusInfo{"PPPoE", "10.0.0.2", "255.0.0.0", "10.0.0.1", "00:1a:2b:3c:4d:5e",
                                                "Home", 6, 1, true, 3, "abcdefgh"};
        std::unique_ptr<QWidget> page = p.make(host);
        page->show();
        SavePageScreenshot(page.get(), QString::fromLatin1(p.name));
        EXPECT_FALSE(page->grab().isNull()) << p.name;
    }
    FakeWizardHost host;
    CSecuritySettingDlg security(nullptr, host);
    FindControlAs<QComboBox>(&security, CSecuritySettingDlg::kModeList)->setCurrentIndex(2);
    security.show();
    SavePageScreenshot(&security, QStringLiteral("11_security_wpa"));
}

} // namespace
