// The frame's thirteen pages, in index order. A page is built the first time
// it is asked for, so the first frame shows without the pages and pictures
// the user has not reached yet.
#pragma once

#include <QString>

#include <array>

class CWizardPage;
class QWidget;
class WizardHost;

class WizardPages {
public:
    static constexpr int kPageCount = 13;

    WizardPages() = default;
    ~WizardPages();
    WizardPages(const WizardPages&) = delete;
    WizardPages& operator=(const WizardPages&) = delete;

    // Makes the pages available as children of `frame`, once.
    void Create(QWidget* frame, WizardHost& host);
    // Deletes the pages; threads the pages run end with them.
    void Clear();

    // 0 before Create, else every page, built or not.
    int Count() const { return frame_ ? kPageCount : 0; }
    // The page, built now if it was not yet; null outside 0 to Count() - 1.
    CWizardPage* Page(int index) const;
    // The page if it was built already, else null.
    CWizardPage* BuiltPage(int index) const;

    // CollectSettings of a data page; false for a page that has none.
    bool Collect(int index) const;
    // The PPTP/L2TP page serves both types under the title it is given.
    void SetPptpTitle(const QString& title) const;

    static QWidget* CreateLanguagePage(QWidget* frame, WizardHost& host);

private:
    // Built on demand, which changes nothing a caller can see.
    mutable std::array<CWizardPage*, kPageCount> pages_{};
    QWidget* frame_ = nullptr;
    WizardHost* host_ = nullptr;
};
