// The program from start to end: language, single-instance guard, the
// router-access library, the wizard frame, and the clean-up after it.
#pragma once

#include "CorvanelibBinding.h"
#include "WizardData.h"

#include <QString>

class CCorvaneWizardApp {
public:
    // The process exit code.
    int Run(int argc, char** argv);

private:
    int RunFrame(const QString& raiseSocketPath);
    void ReportLibraryMissing() const;

    WizardData data_;
    CorvanelibBinding library_;
};
