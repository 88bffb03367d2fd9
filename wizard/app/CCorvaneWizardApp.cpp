#include "CCorvaneWizardApp.h"

#include "CCorvaneWizardDlg.h"
#include "CommandLine.h"
#include "FrameDependencies.h"
#include "HousePalette.h"
#include "NoDisplayExit.h"
#include "ProgramFolder.h"
#include "RaiseRequestServer.h"
#include "SettingsReader.h"
#include "SingleInstanceGuard.h"
#include "ThreadSleeper.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <memory>
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

// A second copy only asks the running one to come to the front; it shows nothing.
int RaiseRunningCopy(int& argc, char** argv, const SingleInstanceGuard& guard)
{
    const QCoreApplication asking(argc, argv);
    RaiseRequestServer::AskRunningCopy(guard.SocketPath());
    return kQuietExitCode;
}

// Without a display the process ends here, letting the next copy start.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, SingleInstanceGuard& guard)
{
    const NoDisplayExit noDisplay([&guard] { guard.Release(); });
    auto application = std::make_unique<QApplication>(argc, argv);
    // The skin is light whatever the desktop's theme; popups and tool tips too.
    QApplication::setPalette(HousePalette());
    // Ties the windows to corvane-setup.desktop where the desktop asks by name (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-setup"));
    return application;
}

} // namespace

int CCorvaneWizardApp::Run(int argc, char** argv)
{
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv))
        return *answered;
    data_.language.SetLanguageFile(ReadSetting(QStringLiteral("Default Language"), QStringLiteral("English.ini"), 128));
    SingleInstanceGuard guard(data_.language.GetText(QStringLiteral("App Name")));
    if (!guard.TryAcquire())
        return RaiseRunningCopy(argc, argv, guard);
    const CorvanelibBinding::LoadResult loaded = library_.Load(GetProgramFolder());
    const std::unique_ptr<QApplication> application = StartApplication(argc, argv, guard);
    if (loaded == CorvanelibBinding::LoadResult::LibraryMissing) {
        ReportLibraryMissing();
        return kQuietExitCode;
    }
    data_.router = library_.Object();
    const int exitCode = RunFrame(guard.SocketPath());
    // The router object goes back to the library before the library is
    // unloaded, and both before the application goes.
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
    // Listening starts once the modal loop runs, after the frame is shown:
    // a second start before then has no window to raise.
    std::optional<RaiseRequestServer> raiseRequests;
    QTimer::singleShot(0, &frame, [&] { raiseRequests.emplace(raiseSocketPath, [&frame] { RaiseWizardWindow(&frame); }); });
    frame.exec();
    return frame.ExitCode();
}

// Also said on stderr, for whoever started Setup from a terminal or a script.
void CCorvaneWizardApp::ReportLibraryMissing() const
{
    std::fputs("Setup: Load Dll failed!!!\n", stderr);
    std::fflush(stderr);
    QMessageBox::critical(nullptr, data_.language.GetText(QStringLiteral("App Name")),
                          QStringLiteral("Load Dll failed!!!"), QMessageBox::Ok);
}
