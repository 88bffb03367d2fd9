#include "CSetup5Dlg.h"

#include "CDlgMessageBox.h"
#include "CLanguageTable.h"
#include "CSkBtn_Hotspot.h"
#include "ChoiceCard.h"
#include "ConnectionChoices.h"
#include "HouseStyles.h"
#include "ProgressTask.h"
#include "SettingsReader.h"
#include "WanTypeDetection.h"
#include "WizardHost.h"

namespace {
constexpr int kTitle = 1171;
constexpr ColorRef kChoiceTextColor = 0;
constexpr unsigned kNoExtraFormat = 0;
constexpr int kCardGap = 10;
constexpr int kCardMargin = 16;
} // namespace

bool ShowsAllConnectionTypes()
{
    return ReadSetting(QStringLiteral("Show All Connection Types"), QStringLiteral("0"), 128).trimmed() ==
           QStringLiteral("1");
}

CSetup5Dlg::CSetup5Dlg(QWidget* parent, WizardHost& host)
    : CWizardPage(kTemplateId, QStringLiteral("%sSkin\\Background2.bmp"), parent, host)
{
    ConnectChoices();
    InitDialog();
}

void CSetup5Dlg::OnInitDialog()
{
    RelayoutForScreen();
    StyleControls();
    Translate();
    ApplyChoiceVisibility();
    LayoutChoiceCards();
}

void CSetup5Dlg::StyleControls()
{
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    for (const ConnectionChoice& choice : ConnectionChoices())
        ApplyPictureButtonStyle(Control<CSkBtn_Pub>(choice.controlId), kChoiceTextColor, kNoExtraFormat);
    ApplyPictureButtonStyle(Control<CSkBtn_Pub>(kAutoDetectButton), kChoiceTextColor, kNoExtraFormat);
}

void CSetup5Dlg::ConnectChoices()
{
    for (const ConnectionChoice& choice : ConnectionChoices()) {
        if (auto* button = Control<QAbstractButton>(choice.controlId)) {
            const int wanType = choice.wanType;
            connect(button, &QAbstractButton::clicked, this, [this, wanType] { ChooseType(wanType); });
        }
    }
    if (auto* detect = Control<QAbstractButton>(kAutoDetectButton))
        connect(detect, &QAbstractButton::clicked, this, &CSetup5Dlg::AutoDetectWanType);
}

void CSetup5Dlg::ApplyChoiceVisibility()
{
    if (ShowsAllConnectionTypes()) {
        for (const ConnectionChoice& choice : ConnectionChoices()) {
            if (QWidget* button = FindControl(this, choice.controlId))
                button->setHidden(false);
        }
        for (int id : {kAutoDetectButton, kDetectManuallyLabel}) {
            if (QWidget* control = FindControl(this, id))
                control->setHidden(false);
        }
    }
    if (HidesPptpChoice(Language().GetLanguageFile())) {
        if (QWidget* pptp = FindControl(this, kPptpChoice))
            pptp->setHidden(true);
    }
}

// The offered choices share the page below the title, and above the
// detection row when that is offered.
void CSetup5Dlg::LayoutChoiceCards()
{
    std::vector<CSkBtn_Hotspot*> offered;
    for (const ConnectionChoice& choice : ConnectionChoices()) {
        auto* card = Control<CSkBtn_Hotspot>(choice.controlId);
        if (!card)
            continue;
        card->SetCardLook(true);
        if (!card->isHidden())
            offered.push_back(card);
    }
    const QWidget* title = FindControl(this, kTitle);
    const QWidget* detect = FindControl(this, kAutoDetectButton);
    const int left = title ? title->x() : kCardMargin;
    const int top = title ? title->geometry().bottom() + kCardMargin : kCardMargin;
    const int bottom = detect && !detect->isHidden() ? detect->y() - kCardGap : height() - kCardMargin;
    const QRect area(QPoint(left, top), QPoint(width() - 2 * kCardMargin, bottom));
    const std::vector<QRect> places = StackCards(area, static_cast<int>(offered.size()), kCardGap);
    for (std::size_t i = 0; i < offered.size(); ++i)
        offered[i]->setGeometry(places[i]);
}

void CSetup5Dlg::ChooseType(int wanType)
{
    Data().routerInfo.wanType = wanType;
    Host().ChooseConnectionType(wanType);
}

void CSetup5Dlg::AutoDetectWanType()
{
    const int result = Host().RunProgressTask(TaskAutoDetect).value_or(0);
    const DetectionOutcome outcome = ClassifyDetection(result);
    const MessageBoxText message = DetectionMessage(outcome, Language());
    ShowMessageBox(message.boxType, message.caption, message.message);
    if (outcome.detected)
        ChooseType(outcome.wanType);
    else
        Host().LeaveConnectionTypePage();
}
