#include "CCorvaneWizardApp.h"

#include "AutoAnswer.h"
#include "CCorvaneWizardDlg.h"
#include "CommandLine.h"
#include "FontConfiguration.h"
#include "FrameDependencies.h"
#include "HousePalette.h"
#include "MessageBoxAutoAnswer.h"
#include "NoDisplayExit.h"
#include "ProgramFolder.h"
#include "RaiseRequestServer.h"
#include "SettingsReader.h"
#include "SingleInstanceGuard.h"
#include "SkinPrefetch.h"
#include "ThreadSleeper.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

#include <cstdio>
#include <future>
#include <optional>

namespace {

// The exit code of a second copy and of a missing library.
constexpr int kQuietExitCode = 0;

// The exit code when the command line asked only for a text.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv)
{
    switch (ReadStartRequest(argc, argv)) {
    case StartRequest::PrintHelp:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case StartRequest::PrintVersion:
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    case StartRequest::RunWizard:
        break;
    }
    return std::nullopt;
}

// A second copy only asks the running one to come to the front, over a
// plain socket: it needs no application object.
int RaiseRunningCopy(const SingleInstanceGuard& guard)
{
    RaiseRequestServer::AskRunningCopy(guard.SocketPath());
    return kQuietExitCode;
}

} // namespace

int CCorvaneWizardApp::Run(int argc, char** argv)
{
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv))
        return *answered;
    data_.language.SetLanguageFile(ReadSetting(QStringLiteral("Default Language"), QStringLiteral("English.ini"), 128));
    SingleInstanceGuard guard(data_.language.GetText(QStringLiteral("App Name")));
    if (!guard.TryAcquire())
        return RaiseRunningCopy(guard);

    // Loaded while the display connection is made; it uses nothing of Qt.
    std::future<CorvanelibBinding::LoadResult> libraryLoad =
        std::async(std::launch::async, [this] { return library_.Load(GetProgramFolder()); });
    // The skins are read while the display connection is made; what needs
    // Qt's picture readers waits for the application object, since they look
    // up its library paths, which must not race its making. The font
    // configuration is first needed to paint the window, so it comes last.
    // The application outlives the prefetch, whose worker may be using Qt's readers.
    std::optional<QApplication> application;
    SkinPrefetch firstSkins(CCorvaneWizardDlg::FirstScreenReads(), kSkinKeyColor, LoadFontConfiguration);
    {
        const NoDisplayExit noDisplay([&guard] { guard.Release(); });
        application.emplace(argc, argv);
    }
    firstSkins.ApplicationReady();
    // The skin is light whatever the desktop's theme; popups and tool tips too.
    QApplication::setPalette(HousePalette());
    // Ties the windows to corvane-setup.desktop where the desktop asks by name (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-setup"));
    const std::optional<int> autoAnswer = AutoAnswerFromEnvironment();
    if (autoAnswer)
        new MessageBoxAutoAnswer(*autoAnswer, &*application);
    if (libraryLoad.get() == CorvanelibBinding::LoadResult::LibraryMissing) {
        ReportLibraryMissing();
        return kQuietExitCode;
    }
    data_.router = library_.Object();
    const int exitCode = RunFrame(guard.SocketPath());
    // The router object goes back to the library before the library is unloaded.
    library_.Unload();
    data_.router = nullptr;
    return exitCode;
}

int CCorvaneWizardApp::RunFrame(const QString& raiseSocketPath)
{
    ThreadSleeper sleeper;
    FrameDependencies dependencies{.data = data_,
                                   .router = library_.Object(),
                                   .sleeper = sleeper,
                                   .adapters = CreateHostAdapters,
                                   .openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); }};
    CCorvaneWizardDlg frame(dependencies);
    const RaiseRequestServer raiseRequests(raiseSocketPath, [&frame] { RaiseWizardWindow(&frame); });
    frame.exec();
    return frame.ExitCode();
}

void CCorvaneWizardApp::ReportLibraryMissing() const
{
    const QString caption = data_.language.GetText(QStringLiteral("App Name"));
    const QString message = QStringLiteral("Load Dll failed!!!");
    if (AutoAnswerFromEnvironment()) {
        ReportAutoAnsweredBox(caption, message);
        return;
    }
    QMessageBox::critical(nullptr, caption, message, QMessageBox::Ok);
}
