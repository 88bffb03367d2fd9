#include "CCorvaneWizardApp.h"

#include "AutoAnswer.h"
#include "CCorvaneWizardDlg.h"
#include "FrameDependencies.h"
#include "MessageBoxAutoAnswer.h"
#include "ProgramFolder.h"
#include "SettingsReader.h"
#include "SingleInstanceGuard.h"
#include "ThreadSleeper.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace {

// The exit code of a second copy and of a missing library.
constexpr int kQuietExitCode = 0;

bool AsksForVersion(int argc, char** argv)
{
    return argc > 1 && std::strcmp(argv[1], "--version") == 0;
}

} // namespace

int CCorvaneWizardApp::Run(int argc, char** argv)
{
    if (AsksForVersion(argc, argv)) {
        std::printf("Setup %s\n", CORVANE_VERSION);
        return 0;
    }
    data_.language.SetLanguageFile(ReadSetting(QStringLiteral("Default Language"), QStringLiteral("English.ini"), 128));
    SingleInstanceGuard guard(data_.language.GetText(QStringLiteral("App Name")));
    if (!guard.TryAcquire())
        return kQuietExitCode;

    QApplication application(argc, argv);
    // Ties the windows to corvane-setup.desktop where the desktop asks by name (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-setup"));
    const std::optional<int> autoAnswer = AutoAnswerFromEnvironment();
    if (autoAnswer)
        new MessageBoxAutoAnswer(*autoAnswer, &application);
    if (library_.Load(GetProgramFolder()) == CorvanelibBinding::LoadResult::LibraryMissing) {
        ReportLibraryMissing();
        return kQuietExitCode;
    }
    data_.router = library_.Object();
    const int exitCode = RunFrame();
    // The router object goes back to the library before the library is unloaded.
    library_.Unload();
    data_.router = nullptr;
    return exitCode;
}

int CCorvaneWizardApp::RunFrame()
{
    ThreadSleeper sleeper;
    FrameDependencies dependencies{.data = data_,
                                   .router = library_.Object(),
                                   .sleeper = sleeper,
                                   .adapters = CreateHostAdapters,
                                   .openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); }};
    CCorvaneWizardDlg frame(dependencies);
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
