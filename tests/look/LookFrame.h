// The real frame with the built program folder in one language, the real
// router library against an emulated router, shown away from the screen's
// centre as after the user dragged it.
#pragma once

#include "CCorvaneWizardDlg.h"
#include "CorvanelibBinding.h"
#include "LanguageFolder.h"
#include "RecordingSleeper.h"
#include "RouterEmulator.h"

#include <memory>

class LookFrame {
protected:
    // The router tasks wait through the sleeper; without one they run at once.
    void StartFrame(const QString& language, Sleeper* sleeper = nullptr);
    void StopFrame();

    const CLanguageTable& Texts() const { return data_.language; }

    std::unique_ptr<RouterEmulator> emulator_;
    std::unique_ptr<LanguageFolder> folder_;
    WizardData data_;
    RecordingSleeper sleeper_;
    CorvanelibBinding library_;
    std::unique_ptr<CCorvaneWizardDlg> frame_;
};
