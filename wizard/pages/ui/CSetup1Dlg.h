// Instruction page 1.
#pragma once

#include "CInstructionPage.h"

class CSetup1Dlg : public CInstructionPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 207;

    CSetup1Dlg(QWidget* parent, WizardHost& host);
};
