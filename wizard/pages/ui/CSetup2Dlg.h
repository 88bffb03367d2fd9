// Instruction page 2.
#pragma once

#include "CInstructionPage.h"

class CSetup2Dlg : public CInstructionPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 208;

    CSetup2Dlg(QWidget* parent, WizardHost& host);
};
