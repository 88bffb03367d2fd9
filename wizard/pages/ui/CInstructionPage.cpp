#include "CInstructionPage.h"

#include "CLanguageTable.h"
#include "CWndCommonAttr.h"
#include "HouseStyles.h"
#include "InformationPages.h"
#include "WizardData.h"
#include "WizardHost.h"

#include <array>

namespace {
constexpr int kTitle = 1171;
// What each picture shows: the cables and ports to plug, the lights to wait for.
constexpr std::array<const char*, 4> kPictureKeys = {LANG_KEY("Setup1 Picture"), LANG_KEY("Setup2 Picture"),
                                                     LANG_KEY("Setup3 Picture"), LANG_KEY("Setup4 Picture")};
} // namespace

QString CInstructionPage::PicturePath(int page, const QString& languageFile)
{
    return InstructionPicturePath(QStringLiteral("%s"), page, languageFile);
}

CInstructionPage::CInstructionPage(int page, int templateId, QWidget* parent, WizardHost& host)
    : CWizardPage(templateId, PicturePath(page, host.Data().language.GetLanguageFile()), parent, host), page_(page)
{
}

QString CInstructionPage::PictureText() const
{
    const auto index = static_cast<std::size_t>(page_ - 1);
    return index < kPictureKeys.size() ? Language().GetText(QString::fromLatin1(kPictureKeys[index])) : QString();
}

void CInstructionPage::OnInitDialog()
{
    RelayoutForScreen();
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    Translate();
}
