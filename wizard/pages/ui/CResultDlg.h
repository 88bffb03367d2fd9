// The last page: the router's WAN status after the restart next to the
// wireless settings that were written, refreshed in the background until
// the WAN side has an address.
#pragma once

#include "CWizardPage.h"
#include "InterruptibleSleeper.h"
#include "ResultExtras.h"
#include "ResultRefresher.h"

#include <memory>

class CBusySign;

class CResultDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 160;
    static constexpr int kRefreshButton = 1146;

    // Without a sleeper the page waits for real, interruptibly.
    CResultDlg(QWidget* parent, WizardHost& host, std::unique_ptr<InterruptibleSleeper> sleeper = nullptr);
    ~CResultDlg() override;

    // Fills the value fields from the status record, each only when its text changed.
    void FillFields();
    void Refresh();

    // Opens on Finish: the page is read, not filled in, and its Refresh
    // button goes off while a round runs, which would move the focus away.
    QWidget* FirstFocus() const override { return nullptr; }

    ResultExtras& Extras() { return extras_; }

protected:
    void OnInitDialog() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void StyleControls();
    // Called on the refresher's thread: both post to the page.
    ResultRefresher::Listener PostingListener();
    void TakeWanStatus(const WanStatusInfo& status);
    void SetRefreshEnabled(bool enabled);

    std::unique_ptr<InterruptibleSleeper> sleeper_;
    ResultRefresher refresher_;
    // Turns while Refresh is greyed out for a round.
    CBusySign* busySign_ = nullptr;
    ResultExtras extras_;
};
