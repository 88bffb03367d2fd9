#include "CSetup4Dlg.h"

CSetup4Dlg::CSetup4Dlg(QWidget* parent, WizardHost& host) : CInstructionPage(4, kTemplateId, parent, host)
{
    InitDialog();
}
