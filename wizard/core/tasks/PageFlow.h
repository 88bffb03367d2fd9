// Which page follows which, and what runs between two pages. The frame
// drives it one step at a time: each call returns the next FlowAction, and
// the frame answers the actions that ask something with Continue.
#pragma once

#include "FlowAction.h"
#include "WizardData.h"

enum WizardPage {
    PageWelcome = 0,
    PageLastInstruction = 4,
    PageConnectionType = 5,
    PagePppoe = 6,
    PageStaticIp = 7,
    PagePptp = 8,
    PageMacClone = 9,
    PageWireless = 10,
    PageSecurity = 11,
    PageResult = 12,
    PageLanguage = 216,
};

class PageFlow {
public:
    explicit PageFlow(WizardData& data);

    // The first page: the language page unless "Multi Language" starts with
    // "0". The frame creates the wizard pages before it shows page 0.
    FlowAction Start(const QString& multiLanguage);
    // The language page has set the language; the frame creates the pages.
    FlowAction LanguageChosen();

    FlowAction Next();
    FlowAction Back();
    FlowAction Continue(int outcome);

    // The connection-type page's choice buttons, and the end of its
    // automatic detection, which keeps the type chosen before.
    FlowAction ChooseConnectionType(int wanType);
    FlowAction LeaveConnectionTypePage();

private:
    enum class Pending { None, LinkCheck, ConnectOk, ConnectFailed, Collect, Save, Reboot };

    FlowAction NextFromConnectionType();
    FlowAction ContinueAfterCollect(bool accepted);
    FlowAction ContinueAfterLinkCheck(int result);
    FlowAction Ask(Pending pending, FlowAction action);
    FlowAction Show(int page, const QString& title = {});
    static FlowAction Stay();
    int PageBefore(int page) const;

    WizardData& data_;
    Pending pending_ = Pending::None;
};
