#include "WizardPages.h"

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
#include "PageFlow.h"

namespace {

using PageFactory = CWizardPage* (*)(QWidget* frame, WizardHost& host);

template <class Page>
CWizardPage* Build(QWidget* frame, WizardHost& host)
{
    return new Page(frame, host);
}

constexpr std::array<PageFactory, WizardPages::kPageCount> kFactories{
    Build<CWelcomeDlg>,  Build<CSetup1Dlg>,      Build<CSetup2Dlg>,          Build<CSetup3Dlg>,
    Build<CSetup4Dlg>,   Build<CSetup5Dlg>,      Build<CPPOESetDlg>,         Build<CStaticIpDlg>,
    Build<CPPTPSettingDlg>, Build<CMacCloneDlg>, Build<CWirelessSettingDlg>, Build<CSecuritySettingDlg>,
    Build<CResultDlg>,
};

} // namespace

WizardPages::~WizardPages()
{
    Clear();
}

void WizardPages::Create(QWidget* frame, WizardHost& host)
{
    if (frame_)
        return;
    frame_ = frame;
    host_ = &host;
}

void WizardPages::Clear()
{
    // Last index first: the reverse of the order the wizard reaches them.
    for (auto page = pages_.rbegin(); page != pages_.rend(); ++page) {
        delete *page;
        *page = nullptr;
    }
    frame_ = nullptr;
    host_ = nullptr;
}

CWizardPage* WizardPages::Page(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    CWizardPage*& page = pages_[static_cast<std::size_t>(index)];
    if (!page) {
        page = kFactories[static_cast<std::size_t>(index)](frame_, *host_);
        page->hide();
    }
    return page;
}

CWizardPage* WizardPages::BuiltPage(int index) const
{
    return index >= 0 && index < Count() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

bool WizardPages::Collect(int index) const
{
    CWizardPage* page = Page(index);
    return page && page->CollectSettings();
}

void WizardPages::SetPptpTitle(const QString& title) const
{
    if (auto* pptp = static_cast<CPPTPSettingDlg*>(Page(PagePptp)))
        pptp->SetTitleText(title);
}

QWidget* WizardPages::CreateLanguagePage(QWidget* frame, WizardHost& host)
{
    return new CSelectlanguage(frame, host);
}
