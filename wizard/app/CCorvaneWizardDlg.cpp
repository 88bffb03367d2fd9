#include "CCorvaneWizardDlg.h"

#include "CAboutDlg.h"
#include "CDlgMessageBox.h"
#include "CLookInfo.h"
#include "CProgressDlg.h"
#include "CWizardPage.h"
#include "DialogBuilder.h"
#include "DialogPlacement.h"
#include "FrameButtons.h"
#include "FrameControls.h"
#include "FrameKeyFilter.h"
#include "FrameLook.h"
#include "KeyboardOrder.h"
#include "LinkCheckDiagnosis.h"
#include "ManualFile.h"
#include "ProgramFolder.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"
#include "SkinPicture.h"
#include "TranslateDialog.h"
#include "WizardExit.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

namespace {

QString FrameSkinPath()
{
    return GetProgramFolder() + QStringLiteral("Skin\\dlgMainUI.bmp");
}

QString ProgramIconPath()
{
    return GetProgramFolder() + QStringLiteral("Skin\\logo.ico");
}

QIcon ProgramIcon()
{
    return QIcon(QPixmap::fromImage(ReadSkinPicture(ProgramIconPath())));
}

void AnnouncePage(QWidget* page)
{
    if (auto* wizardPage = qobject_cast<CWizardPage*>(page))
        wizardPage->Announce();
}

} // namespace

CCorvaneWizardDlg::CCorvaneWizardDlg(const FrameDependencies& dependencies, QWidget* parent)
    : CPolygonDialog(FrameControl::Template, parent)
    , data_(dependencies.data)
    , adapters_(dependencies.adapters)
    , openUrl_(dependencies.openUrl)
    , endProcess_(dependencies.endProcess)
    , sleeper_(dependencies.sleeper, ReadWaitScalePercent())
    , gate_(dependencies.router)
    , flow_(dependencies.data, *this)
{
    data_.router = dependencies.router != nullptr ? &gate_ : nullptr;
    SetSkinBitmap(FrameSkinPath(), kSkinKeyColor);
    CDlgMessageBox::SetLanguageTable(&data_.language);
    SetDialogAnchor(this);
    new FrameKeyFilter(this);
    ConnectButtons();
}

// The pages go first: the result page's refresh thread must end while the
// router object it reads is still there.
CCorvaneWizardDlg::~CCorvaneWizardDlg()
{
    pages_.Clear();
    CDlgMessageBox::SetLanguageTable(nullptr);
    if (DialogAnchor() == this)
        SetDialogAnchor(nullptr);
}

void CCorvaneWizardDlg::ConnectButtons()
{
    const auto onClick = [this](int id, auto handler) {
        if (auto* button = FindControlAs<QAbstractButton>(this, id))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(FrameControl::Next, &CCorvaneWizardDlg::NextStep);
    onClick(FrameControl::Back, &CCorvaneWizardDlg::PreviousStep);
    onClick(FrameControl::Exit, &QWidget::close);
    onClick(FrameControl::Manual, &CCorvaneWizardDlg::OpenManual);
    onClick(FrameControl::WebLink, &CCorvaneWizardDlg::OpenWebLink);
}

void CCorvaneWizardDlg::OnInitDialog()
{
    setWindowTitle(data_.language.GetText(QStringLiteral("App Name")));
    setWindowIcon(ProgramIcon());
    SetScreenDpi(logicalDpiY());
    if (ScreenDpi() != DialogRelayout::kTemplateDpi) {
        RelayoutForScreen();
        NarrowBottomRow(this);
    }
    ReadRouterLogin();
    ApplyFrameLook(this);
    RefreshFrameTexts();
    flow_.Start(ReadSetting(QStringLiteral("Multi Language"), QStringLiteral("0"), 128));
}

void CCorvaneWizardDlg::ReadRouterLogin()
{
    const auto read = [](const char* key, const char* defaultValue) {
        return ReadSetting(QString::fromLatin1(key), QString::fromLatin1(defaultValue), 128).toStdString();
    };
    data_.routerInfo.address = read("LAN IP", kDefaultRouterAddress);
    data_.routerInfo.userName = read("User Name", kDefaultRouterUser);
    data_.routerInfo.password = read("Password", kDefaultRouterPassword);
    data_.language.SetLanguageFile(ReadSetting(QStringLiteral("Default Language"),
                                               QString::fromLatin1(CLanguageTable::kDefaultLanguageFile), 128));
}

// Translates the frame's own controls and hides the optional ones a
// language file sets to "[~NULL~]".
void CCorvaneWizardDlg::RefreshFrameTexts()
{
    ResetFrameCaptions(this);
    TranslateDialog(this, data_.language);
    ShowProgramVersion(this);
    HideEmptyFrameLabels(this, data_.language);
}

QRect CCorvaneWizardDlg::PageArea() const
{
    const QWidget* area = FindControl(this, FrameControl::PageArea);
    return area ? area->geometry() : rect();
}

void CCorvaneWizardDlg::ShowPage(int page)
{
    // The pages come into being with the first welcome page.
    if (page == PageWelcome)
        pages_.Create(this, *this);
    const QRect area = PageArea();
    SetButtons(page);
    if (page == PageLanguage) {
        ShowLanguagePage(area);
        return;
    }
    for (int index = 0; index < pages_.Count(); ++index) {
        if (QWidget* other = pages_.BuiltPage(index); other && index != page)
            other->hide();
    }
    QWidget* shown = pages_.Page(page);
    if (shown) {
        shown->setGeometry(area);
        shown->show();
    }
    FocusPage(shown);
    AnnouncePage(shown);
    update();
}

void CCorvaneWizardDlg::ShowLanguagePage(const QRect& pageArea)
{
    if (!languagePage_)
        languagePage_ = WizardPages::CreateLanguagePage(this, *this);
    languagePage_->setGeometry(pageArea);
    languagePage_->show();
    FocusPage(languagePage_);
    AnnouncePage(languagePage_);
}

// The page's fields come before the frame's buttons for Tab, and a page opens
// where it asks, as if tabbed into, so typing replaces what a field holds.
// A page with nothing to fill in opens on Next.
void CCorvaneWizardDlg::FocusPage(const QWidget* page)
{
    SetReadingTabOrder(this);
    const auto* wizardPage = qobject_cast<const CWizardPage*>(page);
    QWidget* first = wizardPage ? wizardPage->FirstFocus() : nullptr;
    QWidget* next = FindControl(this, FrameControl::Next);
    if (!first && next && next->isVisibleTo(this))
        first = next;
    if (!first)
        return;
    first->setFocus(Qt::TabFocusReason);
    // The frame may be inactive behind a closing dialog, and then the focus
    // event that would select the text comes later and for another reason.
    if (auto* edit = qobject_cast<QLineEdit*>(first))
        edit->selectAll();
}

void CCorvaneWizardDlg::SetButtons(int page)
{
    ShowFrameButtons(this, ButtonsForPage(page), data_.language);
}

void CCorvaneWizardDlg::NextStep()
{
    flow_.NextStep();
}

void CCorvaneWizardDlg::PreviousStep()
{
    flow_.PreviousStep();
}

void CCorvaneWizardDlg::ChooseConnectionType(int wanType)
{
    flow_.ChooseConnectionType(wanType);
}

void CCorvaneWizardDlg::LeaveConnectionTypePage()
{
    flow_.LeaveConnectionTypePage();
}

void CCorvaneWizardDlg::LanguageChosen()
{
    if (languagePage_)
        languagePage_->hide();
    RefreshFrameTexts();
    flow_.LanguageChosen();
}

void CCorvaneWizardDlg::SetPptpTitle(const QString& title)
{
    pages_.SetPptpTitle(title);
}

bool CCorvaneWizardDlg::CollectPage(int page)
{
    return pages_.Collect(page);
}

std::optional<int> CCorvaneWizardDlg::RunProgressTask(int task)
{
    // Written on the worker thread; read only after the dialog saw the work end.
    std::optional<int> result;
    const auto work = [this, task, &result] {
        result = ::RunProgressTask(task, data_, sleeper_, adapters_);
        return result;
    };
    CProgressDlg progress(task, work, data_.language);
    progress.exec();
    return result;
}

int CCorvaneWizardDlg::ShowMessage(const UserMessage& message)
{
    const MessageBoxText text = TranslateMessage(message, data_.language);
    return ShowMessageBox(text.boxType, text.caption, text.message);
}

void CCorvaneWizardDlg::ShowConnectFailed()
{
    CLookInfo dialog(data_.language, this);
    dialog.SetCauseKey(LinkCheckCauseKey(data_.linkCheckCause));
    dialog.exec();
}

void CCorvaneWizardDlg::closeEvent(QCloseEvent* event)
{
    const std::optional<int> exitCode = ExitCodeForAnswer(ShowMessage(ExitQuestion()));
    if (!exitCode) {
        event->ignore();
        return;
    }
    event->accept();
    EndWizard(*exitCode);
}

void CCorvaneWizardDlg::FinishWizard()
{
    OpenWebLink();
    EndWizard(FinishExitCode);
}

void CCorvaneWizardDlg::EndWizard(int exitCode)
{
    exitCode_ = exitCode;
    // A status read still waiting for the router must not freeze the
    // window: the process ends without waiting for it.
    if (!gate_.CloseIfIdle() && endProcess_)
        endProcess_(exitCode);
    pages_.Clear();
    done(exitCode);
}

void CCorvaneWizardDlg::OpenWebLink()
{
    if (openUrl_)
        openUrl_(QUrl::fromUserInput(data_.language.GetText(QStringLiteral("webURL"))));
}

void CCorvaneWizardDlg::OpenManual()
{
    const QString file = ResolveProgramPath(ManualFileForSettings(data_.language));
    if (openUrl_ && QFileInfo::exists(file))
        openUrl_(QUrl::fromLocalFile(file));
}

void CCorvaneWizardDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(data_.language.GetText(QStringLiteral("About (&A)...")), this, &CCorvaneWizardDlg::ShowAboutBox);
    menu.exec(event->globalPos());
}

void CCorvaneWizardDlg::ShowAboutBox()
{
    CAboutDlg about(data_.language, windowIcon(), this);
    about.exec();
}
