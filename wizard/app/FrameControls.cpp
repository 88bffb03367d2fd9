#include "FrameControls.h"

#include "CLanguageTable.h"
#include "CorvaneVersion.h"
#include "DialogBuilder.h"
#include "DialogTemplate.h"
#include "TranslateDialog.h"

#include <QAbstractButton>

namespace {

void SetControlVisible(QWidget* frame, int id, bool visible)
{
    if (QWidget* control = FindControl(frame, id))
        control->setVisible(visible);
}

// Moves the control's left and right edge by the factor, cut toward zero.
void ScaleHorizontally(QWidget* frame, int id, double factor)
{
    QWidget* control = FindControl(frame, id);
    if (!control)
        return;
    const QRect r = control->geometry();
    const int left = static_cast<int>(r.left() * factor);
    const int right = static_cast<int>((r.right() + 1) * factor);
    control->setGeometry(left, r.top(), right - left, r.height());
}

} // namespace

void ResetFrameCaptions(QWidget* frame)
{
    const DialogTemplate* frameTemplate = FindDialogTemplate(FrameControl::Template);
    if (!frameTemplate)
        return;
    for (const DialogItem& item : frameTemplate->items) {
        if (QWidget* control = FindControl(frame, item.id))
            SetControlCaption(control, QString::fromUtf8(item.caption));
    }
}

void ShowProgramVersion(QWidget* frame)
{
    if (QWidget* label = FindControl(frame, FrameControl::VersionLabel)) {
        QString text = ControlCaption(label);
        SetControlCaption(label, text.replace(QStringLiteral("%s"), QString::fromLatin1(kCorvaneVersion)));
    }
}

void HideEmptyFrameLabels(QWidget* frame, const CLanguageTable& language)
{
    const auto showWhenText = [&](int id, const char* key) {
        SetControlVisible(frame, id, !language.GetText(QString::fromLatin1(key)).isEmpty());
    };
    showWhenText(FrameControl::WebLink, LANG_KEY("webURL"));
    showWhenText(FrameControl::ModelLabel, LANG_KEY("Model No."));
    showWhenText(FrameControl::VersionLabel, LANG_KEY("Version No."));
}

void ShowFrameButtons(QWidget* frame, const FrameButtons& buttons, const CLanguageTable& language)
{
    SetControlVisible(frame, FrameControl::Manual, buttons.manual);
    SetControlVisible(frame, FrameControl::Back, buttons.back);
    SetControlVisible(frame, FrameControl::Next, buttons.next);
    SetControlVisible(frame, FrameControl::Exit, buttons.exit);
    if (auto* next = FindControlAs<QAbstractButton>(frame, FrameControl::Next))
        next->setText(language.GetText(buttons.nextCaptionKey));
}

void NarrowBottomRow(QWidget* frame)
{
    for (const int id : {FrameControl::WebLink, FrameControl::Back, FrameControl::Manual, FrameControl::Next,
                         FrameControl::VersionLabel})
        ScaleHorizontally(frame, id, 0.85);
    ScaleHorizontally(frame, FrameControl::Exit, 0.84);
}
