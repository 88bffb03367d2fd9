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

WizardPages::~WizardPages()
{
    Clear();
}

template <class Page>
Page* WizardPages::Add(QWidget* frame, WizardHost& host)
{
    auto* page = new Page(frame, host);
    page->hide();
    pages_.push_back(page);
    return page;
}

void WizardPages::Create(QWidget* frame, WizardHost& host)
{
    if (!pages_.empty())
        return;
    Add<CWelcomeDlg>(frame, host);
    Add<CSetup1Dlg>(frame, host);
    Add<CSetup2Dlg>(frame, host);
    Add<CSetup3Dlg>(frame, host);
    Add<CSetup4Dlg>(frame, host);
    Add<CSetup5Dlg>(frame, host);
    Add<CPPOESetDlg>(frame, host);
    Add<CStaticIpDlg>(frame, host);
    pptp_ = Add<CPPTPSettingDlg>(frame, host);
    Add<CMacCloneDlg>(frame, host);
    Add<CWirelessSettingDlg>(frame, host);
    Add<CSecuritySettingDlg>(frame, host);
    Add<CResultDlg>(frame, host);
}

void WizardPages::Clear()
{
    // Newest first, so no page outlives one created after it.
    while (!pages_.empty()) {
        delete pages_.back();
        pages_.pop_back();
    }
    pptp_ = nullptr;
}

CWizardPage* WizardPages::Page(int index) const
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
    if (pptp_)
        pptp_->SetTitleText(title);
}

QWidget* WizardPages::CreateLanguagePage(QWidget* frame, WizardHost& host)
{
    return new CSelectlanguage(frame, host);
}
