// Instruction page 3.
#pragma once

#include "CInstructionPage.h"

class CSetup3Dlg : public CInstructionPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 209;

    CSetup3Dlg(QWidget* parent, WizardHost& host);
};
