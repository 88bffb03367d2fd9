#include "CWizardPage.h"

#include "CDlgMessageBox.h"
#include "CWndCommonAttr.h"
#include "KeyboardOrder.h"
#include "ProgramFolder.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "TranslateDialog.h"
#include "WizardHost.h"

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

void CWizardPage::ApplyStepNumberStyle(int id)
{
    if (CWndCommonAttr* label = Attr(id))
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
