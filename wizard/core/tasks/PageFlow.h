// Which page follows which, and what runs between two pages: the frame's
// Next and Back, carried out through the frame as a FlowHost.
#pragma once

#include "FlowHost.h"
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
    PageFlow(WizardData& data, FlowHost& host);

    // The first page: the language page unless "Multi Language" starts with "0".
    void Start(const QString& multiLanguage);
    // The language page has set the language.
    void LanguageChosen();

    void NextStep();
    void PreviousStep();

    // The connection-type page's choice buttons, and the end of its
    // automatic detection, which keeps the type chosen before.
    void ChooseConnectionType(int wanType);
    void LeaveConnectionTypePage();

private:
    bool IsLinkConfirmed();
    void ShowPageOfWanType();
    void SaveAndShowResult();
    int PageBefore(int page) const;
    void Show(int page);

    WizardData& data_;
    FlowHost& host_;
};
