#include "CDlgMessageBox.h"

#include "AccessibleRole.h"
#include "CLanguageTable.h"
#include "CSkBtn_Pic.h"
#include "CSkDisplayPic.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "HouseStyles.h"
#include "ProgramFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

#include <deque>

namespace {

constexpr int kIconId = 1163;

const CLanguageTable* registeredLanguage = nullptr;
std::deque<int> nextAnswers;
std::vector<CDlgMessageBox::Call> recordedCalls;

} // namespace

CDlgMessageBox::CDlgMessageBox(const CLanguageTable& language, QWidget* parent)
    : CPolygonDialog(167, parent)
    , language_(language)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // A screen reader reads an alert's name and texts as soon as it opens.
    SetAccessibleRole(QStringLiteral("CDlgMessageBox"), QAccessible::AlertMessage);
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
    // The 96-DPI layout already places every control where the picture
    // expects it; no further scaling of the controls follows.
    RelayoutForScreen();
    StyleControls();
    QApplication::beep();
    FindControlAs<CSkDisplayPic>(this, kIconId)
        ->LoadPicture(GetProgramFolder() + QStringLiteral("Skin\\MsgBox_%1.bmp").arg(type_));
    ShowButtonsForType();
    raise();
    activateWindow();
    FindControlAs<CSkStatic>(this, kCaptionId)->setText(caption_);
    FindControlAs<CSkStatic>(this, kMessageId)->setText(message_);
    setAccessibleName(caption_);
    setAccessibleDescription(message_);
    setWindowTitle(WindowTitle());
}

void CDlgMessageBox::showEvent(QShowEvent* event)
{
    CPolygonDialog::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// The caption names the box in the task bar and window lists; a notice
// without one is named by its message's first line.
QString CDlgMessageBox::WindowTitle() const
{
    return caption_.isEmpty() ? message_.section(u'\n', 0, 0) : caption_;
}

void CDlgMessageBox::StyleControls()
{
    ApplyTitleStyle(FindControlAs<CSkStatic>(this, kCaptionId));
    ApplyLabelStyle(FindControlAs<CSkStatic>(this, kMessageId));
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
