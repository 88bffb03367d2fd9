#include "CSetup2Dlg.h"

CSetup2Dlg::CSetup2Dlg(QWidget* parent, WizardHost& host) : CInstructionPage(2, kTemplateId, parent, host)
{
    InitDialog();
}
