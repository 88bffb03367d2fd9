// Instruction page 4.
#pragma once

#include "CInstructionPage.h"

class CSetup4Dlg : public CInstructionPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 210;

    CSetup4Dlg(QWidget* parent, WizardHost& host);
};
