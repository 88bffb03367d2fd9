#include "LookFrame.h"

#include "FakeHostAdapters.h"
#include "ProgramFolder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

void LookFrame::StartFrame(const QString& language, Sleeper* sleeper)
{
    emulator_ = std::make_unique<RouterEmulator>(EmulatorConfig{});
    const int port = emulator_->Start();
    folder_ = std::make_unique<LanguageFolder>(QStringLiteral(CORVANE_PROGRAM_DIR), language, port);
    SetProgramFolder(folder_->Path());
    ASSERT_EQ(library_.Load(QStringLiteral(CORVANE_PROGRAM_DIR "/")), CorvanelibBinding::LoadResult::Loaded);
    FrameDependencies dependencies{.data = data_,
                                   .router = library_.Object(),
                                   .sleeper = sleeper ? *sleeper : sleeper_,
                                   .adapters = [] { return std::make_unique<FakeHostAdapters>(); },
                                   .openUrl = [](const QUrl&) { return true; }};
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    frame_ = std::make_unique<CCorvaneWizardDlg>(dependencies);
    frame_->show();
    frame_->move(140, 60);
}

void LookFrame::StopFrame()
{
    frame_.reset();
    library_.Unload();
    if (emulator_)
        emulator_->Stop();
}
