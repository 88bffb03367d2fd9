// The frame's thirteen pages, in index order.
#pragma once

#include <QString>

#include <vector>

class CPPTPSettingDlg;
class CWizardPage;
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
    CWizardPage* Page(int index) const;

    // CollectSettings of a data page; false for a page that has none.
    bool Collect(int index) const;
    // The PPTP/L2TP page serves both types under the title it is given.
    void SetPptpTitle(const QString& title) const;

    static QWidget* CreateLanguagePage(QWidget* frame, WizardHost& host);

private:
    template <class Page>
    Page* Add(QWidget* frame, WizardHost& host);

    std::vector<CWizardPage*> pages_;
    CPPTPSettingDlg* pptp_ = nullptr;
};
