#include "WizardRun.h"

#include "CDlgMessageBox.h"
#include "CIpAddressEdit.h"
#include "CWizardPage.h"
#include "DialogBuilder.h"
#include "FakeHostAdapters.h"
#include "FrameControls.h"
#include "PageFlow.h"
#include "PageTestSupport.h"
#include "ProgramFolder.h"
#include "TranslateDialog.h"
#include "UserMessage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

void WizardRun::StartWizard(TestProgramFolder::Settings settings, EmulatorConfig config,
                            const TestProgramFolder::Settings& englishTexts)
{
    emulator_ = std::make_unique<RouterEmulator>(config);
    const std::uint16_t port = emulator_->Start();
    settings.try_emplace(QStringLiteral("LAN IP"), QStringLiteral("127.0.0.1"));
    settings.try_emplace(QStringLiteral("Port"), QString::number(port));
    folder_ = std::make_unique<TestProgramFolder>(settings);
    if (!englishTexts.empty())
        folder_->WriteLanguage(QStringLiteral("English.ini"), englishTexts);
    SetProgramFolder(folder_->Path());
    CDlgMessageBox::TakeRecordedCalls();
    FrameDependencies dependencies{.data = data_,
                                   .router = &router_,
                                   .sleeper = sleeper_,
                                   .adapters = [] { return std::make_unique<FakeHostAdapters>(); },
                                   .openUrl =
                                       [this](const QUrl& url) {
                                           opened_.push_back(url);
                                           return true;
                                       },
                                   // The process goes on; the emulator going away ends the read.
                                   .endProcess =
                                       [this](int exitCode) {
                                           endedWith_.push_back(exitCode);
                                           endedAt_ = std::chrono::steady_clock::now();
                                           emulator_->Stop();
                                       }};
    frame_ = std::make_unique<CCorvaneWizardDlg>(dependencies);
    unexpectedBoxes_.callOnTimeout([this] { CloseUnexpectedMessageBoxes(); });
    unexpectedBoxes_.start(10);
    frame_->show();
}

void WizardRun::CloseUnexpectedMessageBoxes()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<CDlgMessageBox*>(window);
        if (!box || !box->isVisible())
            continue;
        ADD_FAILURE() << "unexpected message box: "
                      << ControlCaption(FindControl(box, CDlgMessageBox::kCaptionId)).toStdString() << ": "
                      << ControlCaption(FindControl(box, CDlgMessageBox::kMessageId)).toStdString();
        box->done(AnswerOk);
    }
}

void WizardRun::TearDown()
{
    unexpectedBoxes_.stop();
    frame_.reset();
    if (emulator_)
        emulator_->Stop();
    CDlgMessageBox::TakeRecordedCalls();
}

QWidget* WizardRun::Page(int index) const
{
    if (index == PageLanguage)
        return frame_->LanguagePage();
    return frame_->Pages().Page(index);
}

QWidget* WizardRun::PageControl(int page, int controlId) const
{
    return FindControl(Page(page), controlId);
}

QWidget* WizardRun::FrameControl(int controlId) const
{
    return FindControl(frame_.get(), controlId);
}

bool WizardRun::IsFrameButtonVisible(int controlId) const
{
    const QWidget* button = FrameControl(controlId);
    return button && button->isVisible();
}

namespace {

void ClickButton(QWidget* widget)
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

void WizardRun::ClickFrame(int controlId)
{
    ClickButton(FrameControl(controlId));
}

void WizardRun::ClickNext()
{
    ClickFrame(FrameControl::Next);
}

void WizardRun::ClickBack()
{
    ClickFrame(FrameControl::Back);
}

void WizardRun::ClickOnPage(int page, int controlId)
{
    ClickButton(PageControl(page, controlId));
}

// A control of the wrong kind casts to null, which the shared helpers fail on.
void WizardRun::TypeInto(int page, int controlId, const QString& text)
{
    ::TypeInto(qobject_cast<QLineEdit*>(PageControl(page, controlId)), text);
}

void WizardRun::TypeAddress(int page, int controlId, const QString& dotted)
{
    ::TypeAddress(qobject_cast<CIpAddressEdit*>(PageControl(page, controlId)), dotted);
}

QString WizardRun::TextOf(int page, int controlId) const
{
    return ControlCaption(PageControl(page, controlId));
}

void WizardRun::GoToConnectionTypePage()
{
    for (int page = PageWelcome; page < PageLastInstruction; ++page)
        ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageLastInstruction);
    CDlgMessageBox::SetNextAnswer(AnswerOk);
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageConnectionType);
    EXPECT_EQ(TakeMessages(), std::vector<QString>{QStringLiteral("|Connect OK")});
}

std::vector<QString> WizardRun::TakeMessages()
{
    std::vector<QString> messages;
    for (const CDlgMessageBox::Call& call : CDlgMessageBox::TakeRecordedCalls())
        messages.push_back(call.caption + u'|' + call.message);
    return messages;
}

std::vector<std::string> WizardRun::RequestsFor(const std::string& path) const
{
    std::vector<std::string> matching;
    for (const std::string& request : emulator_->RecordedRequests()) {
        if (request.find(' ' + path + ' ') != std::string::npos)
            matching.push_back(request);
    }
    return matching;
}
