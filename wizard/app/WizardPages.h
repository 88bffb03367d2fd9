// The frame's thirteen pages, in index order, with a typed pointer to each
// page whose entries the frame collects.
#pragma once

#include <QString>

#include <vector>

class CMacCloneDlg;
class CPPOESetDlg;
class CPPTPSettingDlg;
class CPolygonDialog;
class CSecuritySettingDlg;
class CStaticIpDlg;
class CWirelessSettingDlg;
class QWidget;
class WizardHost;

class WizardPages {
public:
    WizardPages() = default;
    ~WizardPages();
    WizardPages(const WizardPages&) = delete;
    WizardPages& operator=(const WizardPages&) = delete;

    // Creates every page as a child of `frame`, once.
    void Create(QWidget* frame, WizardHost& host);
    // Deletes the pages; threads the pages run end with them.
    void Clear();

    int Count() const { return static_cast<int>(pages_.size()); }
    CPolygonDialog* Page(int index) const;

    // CollectSettings of a data page; false for a page that has none.
    bool Collect(int index) const;
    // The PPTP/L2TP page serves both types under the title it is given.
    void SetPptpTitle(const QString& title) const;

    static QWidget* CreateLanguagePage(QWidget* frame, WizardHost& host);

private:
    template <class Page>
    Page* Add(QWidget* frame, WizardHost& host);

    std::vector<CPolygonDialog*> pages_;
    CPPOESetDlg* pppoe_ = nullptr;
    CStaticIpDlg* staticIp_ = nullptr;
    CPPTPSettingDlg* pptp_ = nullptr;
    CMacCloneDlg* macClone_ = nullptr;
    CWirelessSettingDlg* wireless_ = nullptr;
    CSecuritySettingDlg* security_ = nullptr;
};
