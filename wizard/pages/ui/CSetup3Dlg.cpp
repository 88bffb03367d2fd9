#include "CSetup3Dlg.h"

CSetup3Dlg::CSetup3Dlg(QWidget* parent, WizardHost& host) : CInstructionPage(3, kTemplateId, parent, host)
{
    InitDialog();
}
