// What the page flow asks of the wizard frame between two pages. The frame
// implements it with its real pages and dialogs.
#pragma once

#include "UserMessage.h"

#include <QString>

#include <optional>

class FlowHost {
public:
    virtual ~FlowHost() = default;

    // Sets the buttons for `page` and shows it; the pages come into being
    // with the first welcome page.
    virtual void ShowPage(int page) = 0;
    // The PPTP/L2TP page serves both types under the title it is given.
    virtual void SetPptpTitle(const QString& title) = 0;
    // CollectSettings of the page: false when it refused its input, after
    // it showed its own warning.
    virtual bool CollectPage(int page) = 0;
    // Runs a progress dialog with the task modally and returns the result the
    // worker wrote (none for tasks that write no result).
    virtual std::optional<int> RunProgressTask(int task) = 0;
    // Shows the message box and returns its answer.
    virtual int ShowMessage(const UserMessage& message) = 0;
    virtual void ShowConnectFailed() = 0;
    // Opens the web link and ends the program with FinishExitCode.
    virtual void FinishWizard() = 0;
};
