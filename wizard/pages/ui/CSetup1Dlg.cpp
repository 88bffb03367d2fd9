#include "CSetup1Dlg.h"

CSetup1Dlg::CSetup1Dlg(QWidget* parent, WizardHost& host) : CInstructionPage(1, kTemplateId, parent, host)
{
    InitDialog();
}
