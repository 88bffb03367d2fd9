// What a wizard page may ask of the frame that holds it. The frame
// implements it; pages and their tests see only this.
#pragma once

#include "WizardData.h"

#include <optional>

class WizardHost {
public:
    virtual ~WizardHost() = default;

    virtual WizardData& Data() = 0;
    // Runs a progress dialog with the task modally and returns the result the
    // worker wrote (none for tasks that write no result).
    virtual std::optional<int> RunProgressTask(int task) = 0;
    // The connection-type page's choice (also after automatic detection):
    // records nothing itself; the frame sets PageIndex 5 and runs NextStep.
    virtual void ChooseConnectionType(int wanType) = 0;
    virtual void LeaveConnectionTypePage() = 0;
    // The language page has set the language file: build the pages and
    // refresh the frame's own texts.
    virtual void LanguageChosen() = 0;
};
