#include "CInstructionPage.h"

#include "CLanguageTable.h"
#include "CWndCommonAttr.h"
#include "HouseStyles.h"
#include "InformationPages.h"
#include "WizardData.h"
#include "WizardHost.h"

namespace {
constexpr int kTitle = 1171;
} // namespace

QString CInstructionPage::PicturePath(int page, const QString& languageFile)
{
    return InstructionPicturePath(QStringLiteral("%s"), page, languageFile);
}

CInstructionPage::CInstructionPage(int page, int templateId, QWidget* parent, WizardHost& host)
    : CWizardPage(templateId, PicturePath(page, host.Data().language.GetLanguageFile()), parent, host)
{
}

void CInstructionPage::OnInitDialog()
{
    RelayoutForScreen();
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    Translate();
}
