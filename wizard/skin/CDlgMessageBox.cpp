#include "CDlgMessageBox.h"

#include "CLanguageTable.h"
#include "CSkBtn_Pic.h"
#include "CSkDisplayPic.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "HouseStyles.h"
#include "ProgramFolder.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"

#include <QApplication>
#include <QKeyEvent>

#include <deque>

namespace {

constexpr int kIconId = 1163;
constexpr int kCaptionId = 1211;
constexpr int kMessageId = 1212;

const CLanguageTable* registeredLanguage = nullptr;
std::deque<int> nextAnswers;
std::vector<CDlgMessageBox::Call> recordedCalls;

// Factors applied to a control's left, top, right and bottom edges when the
// screen is not at 96 DPI; a width or height of 0 keeps 67 pixels.
struct DpiPlacement {
    int id;
    double x;
    double y;
    double right;
    double bottom;
};
constexpr DpiPlacement kDpiPlacements[] = {
    {CDlgMessageBox::kOk, 0.45, 0.27, 0.45, 0.27},
    {CDlgMessageBox::kYes, 0.4, 0.27, 0.4, 0.27},
    {CDlgMessageBox::kNo, 0.5, 0.27, 0.5, 0.27},
    {kCaptionId, 0.3, 0.03, 0.6, 0.4},
    {kMessageId, 0.3, 0.12, 0.6, 0.5},
    {kIconId, 0.1, 0.1, 0.0, 0.0},
};

} // namespace

CDlgMessageBox::CDlgMessageBox(const CLanguageTable& language, QWidget* parent)
    : CPolygonDialog(167, parent)
    , language_(language)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    SetSkinBitmap(GetProgramFolder() + QStringLiteral("Skin\\DlgMessageBox.bmp"), kSkinKeyColor);
}

void CDlgMessageBox::SetLanguageTable(const CLanguageTable* language)
{
    registeredLanguage = language;
}

const CLanguageTable& CDlgMessageBox::LanguageTable()
{
    static const CLanguageTable defaultLanguage;
    return registeredLanguage ? *registeredLanguage : defaultLanguage;
}

void CDlgMessageBox::SetNextAnswer(int answer)
{
    nextAnswers.push_back(answer);
}

std::vector<CDlgMessageBox::Call> CDlgMessageBox::TakeRecordedCalls()
{
    return std::exchange(recordedCalls, {});
}

void CDlgMessageBox::OnInitDialog()
{
    if (ScreenDpi() != 96)
        RelayoutForDpi();
    StyleControls();
    QApplication::beep();
    FindControlAs<CSkDisplayPic>(this, kIconId)
        ->LoadPicture(GetProgramFolder() + QStringLiteral("Skin\\MsgBox_%1.bmp").arg(type_));
    ShowButtonsForType();
    raise();
    activateWindow();
    FindControlAs<CSkStatic>(this, kCaptionId)->setText(caption_);
    FindControlAs<CSkStatic>(this, kMessageId)->setText(message_);
}

void CDlgMessageBox::RelayoutForDpi()
{
    relayout_.Apply(this, TemplateId(), 96.0);
    for (const DpiPlacement& p : kDpiPlacements) {
        QWidget* control = FindControl(this, p.id);
        const QRect r = control->geometry();
        const int x = static_cast<int>(p.x * r.left());
        const int y = static_cast<int>(p.y * r.top());
        const int w = p.right == 0.0 ? 67 : static_cast<int>(p.right * r.right()) - x;
        const int h = p.bottom == 0.0 ? 67 : static_cast<int>(p.bottom * r.bottom()) - y;
        control->setGeometry(x, y, w, h);
    }
}

void CDlgMessageBox::StyleControls()
{
    const QString face = ReadFontFace();
    auto* caption = FindControlAs<CSkStatic>(this, kCaptionId);
    ApplyLabelStyle(caption);
    caption->SetTextFont(1056 / ScreenDpi(), face, true);
    caption->SetTextColor(0);
    auto* message = FindControlAs<CSkStatic>(this, kMessageId);
    ApplyLabelStyle(message);
    message->SetTextFont(864 / ScreenDpi(), face, false);
    message->SetTextColor(0);
    const std::pair<int, const char*> buttons[] = {{kYes, "Yes"}, {kNo, "No"}, {kOk, "OK"}};
    for (const auto& [id, key] : buttons) {
        auto* button = FindControlAs<CSkBtn_Pic>(this, id);
        ApplyButtonStyle(button, true);
        button->setText(language_.GetText(QString::fromLatin1(key)));
        connect(button, &QAbstractButton::clicked, this, [this, id = id] { done(id); });
    }
}

void CDlgMessageBox::ShowButtonsForType()
{
    const bool question = type_ == 2;
    FindControl(this, kYes)->setVisible(question);
    FindControl(this, kNo)->setVisible(question);
    FindControl(this, kOk)->setVisible(!question);
}

void CDlgMessageBox::reject()
{
    done(kCancel);
}

void CDlgMessageBox::keyPressEvent(QKeyEvent* event)
{
    // Enter ends the box the way its default OK command does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        done(kOk);
        return;
    }
    CPolygonDialog::keyPressEvent(event);
}

int ShowMessageBox(int type, const QString& caption, const QString& message)
{
    recordedCalls.push_back({type, caption, message});
    if (!nextAnswers.empty()) {
        const int answer = nextAnswers.front();
        nextAnswers.pop_front();
        return answer;
    }
    CDlgMessageBox box(CDlgMessageBox::LanguageTable());
    box.SetType(type);
    box.SetCaption(caption);
    box.SetMessage(message);
    return box.exec();
}
