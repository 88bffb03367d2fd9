#include "CWizardPage.h"

#include "CDlgMessageBox.h"
#include "CIpAddressEdit.h"
#include "CWndCommonAttr.h"
#include "KeyboardOrder.h"
#include "ProgramFolder.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "TranslateDialog.h"
#include "WizardHost.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
constexpr int kStepNumberFontConstant = 2880;
} // namespace

CWizardPage::CWizardPage(int templateId, const QString& skinPath, QWidget* parent, WizardHost& host)
    : CPolygonDialog(templateId, parent), host_(host)
{
    SetSkinBitmap(ProgramPath(skinPath), kSkinKeyColor);
    MakeChildPage();
}

CWizardPage::~CWizardPage()
{
    RestoreLayout();
}

QString CWizardPage::ProgramPath(const QString& pathWithFolder)
{
    QString path = pathWithFolder;
    return path.replace(QStringLiteral("%s"), GetProgramFolder());
}

WizardData& CWizardPage::Data() const
{
    return host_.Data();
}

const CLanguageTable& CWizardPage::Language() const
{
    return host_.Data().language;
}

CWndCommonAttr* CWizardPage::Attr(int id) const
{
    return dynamic_cast<CWndCommonAttr*>(FindControl(this, id));
}

QString CWizardPage::EditText(int id) const
{
    const auto* edit = Control<QLineEdit>(id);
    return edit ? edit->text() : QString();
}

void CWizardPage::SetEditText(int id, const QString& text)
{
    if (auto* edit = Control<QLineEdit>(id))
        edit->setText(text);
}

std::uint32_t CWizardPage::AddressValue(int id) const
{
    const auto* entry = Control<CIpAddressEdit>(id);
    return entry ? entry->Value() : 0;
}

int CWizardPage::ListIndex(int id, int fallback) const
{
    const auto* list = Control<QComboBox>(id);
    return list ? list->currentIndex() : fallback;
}

void CWizardPage::ApplyStepNumberStyle()
{
    if (CWndCommonAttr* label = Attr(kStepNumber))
        label->SetTextFont(kStepNumberFontConstant / ScreenDpi(), ReadFontFace(), true, true);
}

QWidget* CWizardPage::FirstFocus() const
{
    return FirstEntryControl(this);
}

void CWizardPage::Translate()
{
    TranslateDialog(this, Language());
}

bool CWizardPage::PassedCheck(const std::optional<UserMessage>& failure) const
{
    if (!failure)
        return true;
    ShowTranslated(*failure);
    return false;
}

void CWizardPage::ShowTranslated(const UserMessage& message) const
{
    const MessageBoxText text = TranslateMessage(message, Language());
    ShowMessageBox(text.boxType, text.caption, text.message);
}
