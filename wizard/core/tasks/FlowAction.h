// One step the wizard frame carries out for the page flow. Steps that ask
// something (collect, task, message, dialog) are answered with
// PageFlow::Continue; ShowPage, Stay and FinishWizard end the step chain.
#pragma once

#include "UserMessage.h"

#include <QString>

struct FlowAction {
    enum class Kind {
        ShowPage,          // show `page` (set its buttons); a non-empty `title` first goes to the PPTP/L2TP page's title
        Stay,              // change nothing, not even ShowPage
        CollectPage,       // call CollectSettings of `page`; continue with 1 when it accepted, 0 otherwise
        RunTask,           // run a progress dialog with `task`; continue with its result (0 when it wrote none)
        ShowMessage,       // show `message`; continue with the box's answer
        ShowConnectFailed, // run the connect-failed dialog; continue with anything
        FinishWizard,      // open the web link and end the program with FinishExitCode
    };

    Kind kind = Kind::Stay;
    int page = 0;
    int task = 0;
    QString title;
    UserMessage message;

    bool operator==(const FlowAction&) const = default;
};
