#include "ResultExtras.h"

#include "CDlgMessageBox.h"
#include "CSkDisplayPic.h"
#include "DialogBuilder.h"
#include "NetworkCardWriter.h"
#include "QrCodeImage.h"
#include "ResultDisplay.h"
#include "ResultStateIcon.h"
#include "SaveFileDialog.h"
#include "SettingsReader.h"
#include "TranslateDialog.h"
#include "UserMessage.h"
#include "WifiUri.h"
#include "WizardData.h"

#include <QDir>
#include <QStandardPaths>

namespace {

constexpr int kTitle = 1171;
constexpr int kStatusNote = 1207;

QString SuggestedCardPath(const CLanguageTable& language)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return folder + u'/' + language.GetText(QStringLiteral(LANG_KEY("Card File"))) + QStringLiteral(".pdf");
}

} // namespace

ResultExtras::ResultExtras(QWidget& page, WizardData& data)
    : page_(page), data_(data)
{
}

void ResultExtras::Prepare()
{
    if (auto* code = FindControlAs<CSkDisplayPic>(&page_, kJoinCode)) {
        code->setAccessibleName(data_.language.GetText(QStringLiteral(LANG_KEY("Join Code Name"))));
        code->setFocusPolicy(Qt::TabFocus);
    }
    if (QWidget* save = FindControl(&page_, kSaveCard))
        save->setAccessibleName(ControlCaption(save));
}

void ResultExtras::PageShown()
{
    if (!waitStart_)
        waitStart_ = clock_();
    ShowJoinCode();
}

ResultFacts ResultExtras::Facts(bool refreshing) const
{
    ResultFacts facts;
    facts.addressKnown = IsWanAddressKnown(data_.wanStatusInfo);
    facts.refreshing = refreshing;
    if (waitStart_)
        facts.waited = std::chrono::duration_cast<std::chrono::milliseconds>(clock_() - *waitStart_);
    facts.wanType = data_.routerInfo.wanType;
    facts.accountCheckResult = data_.accountCheckResult;
    return facts;
}

void ResultExtras::ShowState(bool refreshing)
{
    state_ = DecideResultState(Facts(refreshing));
    const QString title = data_.language.GetText(ResultTitleKey(state_));
    if (QWidget* headline = FindControl(&page_, kTitle))
        SetControlCaption(headline, title);
    if (QWidget* note = FindControl(&page_, kStatusNote))
        SetControlCaption(note, data_.language.GetText(ResultNoteKey(state_)));
    if (auto* icon = FindControlAs<CSkDisplayPic>(&page_, kStateIcon)) {
        icon->SetPicture(DrawResultStateIcon(state_.headline, std::min(icon->width(), icon->height())));
        icon->setAccessibleName(title);
    }
}

void ResultExtras::ShowJoinCode()
{
    auto* code = FindControlAs<CSkDisplayPic>(&page_, kJoinCode);
    if (!code)
        return;
    code->SetPicture(DrawQrCode(WifiUri(data_.wanStatusInfo), std::min(code->width(), code->height())));
    code->setAccessibleDescription(QString::fromStdString(data_.wanStatusInfo.ssid));
}

void ResultExtras::SaveCard()
{
    const CLanguageTable& language = data_.language;
    const QString path = ChooseSaveFile(&page_, language.GetText(QStringLiteral(LANG_KEY("Save network card"))),
                                        SuggestedCardPath(language),
                                        language.GetText(QStringLiteral(LANG_KEY("Card File Type"))));
    if (path.isEmpty())
        return;
    if (!WriteNetworkCard(MakeNetworkCard(data_, QDate::currentDate()), path, ReadFontFace()))
        ShowMessageBox(MessageWarning, language.GetText(QStringLiteral("Waring")),
                       language.GetText(QStringLiteral(LANG_KEY("Card Save Failed"))));
}
