#include "CWizardPage.h"

#include "CDlgMessageBox.h"
#include "CIpAddressEdit.h"
#include "CSkStatic.h"
#include "CWndCommonAttr.h"
#include "ControlId.h"
#include "KeyboardOrder.h"
#include "ProgramFolder.h"
#include "ScreenReaderNotice.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "TextInk.h"
#include "TranslateDialog.h"
#include "WizardHost.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
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
    auto* label = Control<CSkStatic>(kStepNumber);
    if (!label)
        return;
    label->SetTextFont(kStepNumberFontConstant / ScreenDpi(), ReadFontFace(), true, true);
    label->setAlignment(Qt::AlignCenter);
}

QWidget* CWizardPage::FirstFocus() const
{
    return FirstEntryControl(this);
}

void CWizardPage::Translate()
{
    TranslateDialog(this, Language());
    PlaceStepNumber();
}

// A bold italic digit's ink is not where its advance box is: the label is
// moved so that the ink itself sits in the middle of the circle.
void CWizardPage::PlaceStepNumber()
{
    auto* label = Control<CSkStatic>(kStepNumber);
    if (!label)
        return;
    const QFontMetricsF metrics(label->font());
    const QRectF ink = RenderedInkRect(label->font(), label->text());
    if (ink.isEmpty()) {
        label->setGeometry(kStepBadge);
        return;
    }
    const qreal dx = metrics.horizontalAdvance(label->text()) / 2 - ink.center().x();
    const qreal dy = metrics.height() / 2 - metrics.ascent() - ink.center().y();
    label->setGeometry(kStepBadge.translated(qRound(dx), qRound(dy)));
}

void CWizardPage::Announce()
{
    const QLabel* title = TitleLabel();
    setAccessibleName(title ? title->text().simplified() : QString());
    setAccessibleDescription(SpokenText());
    ScreenReaderNotice::Announce(this, accessibleName(), accessibleDescription());
}

// Every page's template writes its title first, after the step number.
const QLabel* CWizardPage::TitleLabel() const
{
    for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (ControlIdOf(label) != kStepNumber)
            return label;
    }
    return nullptr;
}

QString CWizardPage::SpokenText() const
{
    QStringList texts{PictureText()};
    const QLabel* title = TitleLabel();
    for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label != title && ControlIdOf(label) != kStepNumber && !label->buddy() && !IsFieldHint(label)
            && label->isVisibleTo(this))
            texts << label->text().simplified();
    }
    texts.removeAll(QString());
    return texts.join(u' ');
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
