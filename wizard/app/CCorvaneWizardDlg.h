// The wizard's only window: thirteen pages in one page area, the navigation
// buttons, the web link and the model labels. PageFlow decides what happens;
// the frame carries it out with the real pages and dialogs.
#pragma once

#include "CPolygonDialog.h"
#include "FlowHost.h"
#include "FrameDependencies.h"
#include "PageFlow.h"
#include "RouterGate.h"
#include "ScaledSleeper.h"
#include "WizardHost.h"
#include "WizardPages.h"

#include <functional>
#include <optional>

class CCorvaneWizardDlg : public CPolygonDialog, public WizardHost, public FlowHost {
    Q_OBJECT
public:
    explicit CCorvaneWizardDlg(const FrameDependencies& dependencies, QWidget* parent = nullptr);
    ~CCorvaneWizardDlg() override;

    // ConfirmedExitCode after a confirmed Exit, FinishExitCode after Finish,
    // 0 when the window went away any other way.
    int ExitCode() const { return exitCode_.value_or(0); }
    int PageIndex() const { return data_.pageIndex; }
    const WizardPages& Pages() const { return pages_; }
    QWidget* LanguagePage() const { return languagePage_; }

    void NextStep();
    void PreviousStep();
    void ShowPage(int page) override;
    void SetButtons(int page);
    void OpenManual();
    void OpenWebLink();
    void ShowAboutBox();

    WizardData& Data() override { return data_; }
    std::optional<int> RunProgressTask(int task) override;
    void ChooseConnectionType(int wanType) override;
    void LeaveConnectionTypePage() override;
    void LanguageChosen() override;

protected:
    void OnInitDialog() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ConnectButtons();
    void ReadRouterLogin();
    void RefreshFrameTexts();
    void ShowLanguagePage(const QRect& pageArea);
    void FocusPage(const QWidget* page);
    void SetPptpTitle(const QString& title) override;
    bool CollectPage(int page) override;
    int ShowMessage(const UserMessage& message) override;
    void ShowConnectFailed() override;
    void FinishWizard() override;
    void EndWizard(int exitCode);
    QRect PageArea() const;

    WizardData& data_;
    HostAdaptersFactory adapters_;
    DesktopOpener openUrl_;
    std::function<void(int)> endProcess_;
    ScaledSleeper sleeper_;
    // Before the pages, which call the router through it until they go.
    RouterGate gate_;
    PageFlow flow_;
    WizardPages pages_;
    QWidget* languagePage_ = nullptr;
    std::optional<int> exitCode_;
};
