// Renders every page inside the real frame, the three message boxes, the
// progress dialog and the connect-failed dialog in each shipped language,
// with the built program folder, into screenshots/<Language>/ for a person
// to look at; and checks that no translated text overflows its control.
#include "CCorvaneWizardDlg.h"
#include "CDlgMessageBox.h"
#include "CLookInfo.h"
#include "CProgressDlg.h"
#include "CResultDlg.h"
#include "CorvanelibBinding.h"
#include "FakeHostAdapters.h"
#include "LanguageFolder.h"
#include "LinkCheckDiagnosis.h"
#include "PageFlow.h"
#include "ProgramFolder.h"
#include "RecordingSleeper.h"
#include "RouterEmulator.h"
#include "TextFit.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const kLanguages[] = {"English", "Czechic", "SimpChinese"};

class LookScreens : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        qputenv("CORVANELIB_WIRELESS_PAUSE_MS", "0");
        emulator_ = std::make_unique<RouterEmulator>(EmulatorConfig{});
        const int port = emulator_->Start();
        folder_ = std::make_unique<LanguageFolder>(QStringLiteral(CORVANE_PROGRAM_DIR), Language(), port);
        SetProgramFolder(folder_->Path());
        ASSERT_EQ(library_.Load(QStringLiteral(CORVANE_PROGRAM_DIR "/")), CorvanelibBinding::LoadResult::Loaded);
        FrameDependencies dependencies{.data = data_,
                                       .router = library_.Object(),
                                       .sleeper = sleeper_,
                                       .adapters = [] { return std::make_unique<FakeHostAdapters>(); },
                                       .openUrl = [](const QUrl&) { return true; }};
        frame_ = std::make_unique<CCorvaneWizardDlg>(dependencies);
        frame_->show();
        QDir().mkpath(ShotFolder());
    }

    void TearDown() override
    {
        frame_.reset();
        library_.Unload();
        emulator_->Stop();
    }

    QString Language() const { return QString::fromLatin1(GetParam()); }
    QString ShotFolder() const { return QStringLiteral(LOOK_SCREENSHOT_DIR "/") + Language(); }

    void Shoot(QWidget* window, const QString& name) const
    {
        EXPECT_TRUE(window->grab().save(ShotFolder() + u'/' + name + QStringLiteral(".png"))) << name.toStdString();
        const QStringList overflows = TextsThatDoNotFit(window);
        EXPECT_TRUE(overflows.isEmpty()) << name.toStdString() << ":\n" << overflows.join(u'\n').toStdString();
    }

    const CLanguageTable& Texts() const { return data_.language; }

    std::unique_ptr<RouterEmulator> emulator_;
    std::unique_ptr<LanguageFolder> folder_;
    WizardData data_;
    RecordingSleeper sleeper_;
    CorvanelibBinding library_;
    std::unique_ptr<CCorvaneWizardDlg> frame_;
};

TEST_P(LookScreens, EveryPageFitsInsideTheFrame)
{
    for (int page = PageWelcome; page <= PageResult; ++page) {
        frame_->ShowPage(page);
        Shoot(frame_.get(), QStringLiteral("page_%1").arg(page, 2, 10, QChar(u'0')));
    }
    frame_->ShowPage(PageLanguage);
    Shoot(frame_.get(), QStringLiteral("page_%1").arg(PageLanguage));
}

TEST_P(LookScreens, MessageBoxesOfEveryType)
{
    const struct {
        int type;
        const char* captionKey;
        const char* messageKey;
    } boxes[] = {
        {MessageWarning, "Waring", "SSID invaid"},
        {MessageQuestion, "Exit", "Leave Massage"},
        {MessageNotice, "", "Connect OK"},
    };
    for (const auto& b : boxes) {
        CDlgMessageBox box(Texts(), frame_.get());
        box.SetType(b.type);
        box.SetCaption(Texts().GetText(QString::fromLatin1(b.captionKey)));
        box.SetMessage(Texts().GetText(QString::fromLatin1(b.messageKey)));
        box.open();
        Shoot(&box, QStringLiteral("message_box_type%1").arg(b.type));
        box.done(AnswerOk);
    }
}

TEST_P(LookScreens, ProgressAndConnectFailedDialogs)
{
    for (int task = 1; task <= 5; ++task) {
        CProgressDlg progress(task, [] { return std::optional<int>(); }, Texts(), frame_.get());
        progress.InitDialog();
        Shoot(&progress, QStringLiteral("progress_task%1").arg(task));
    }

    for (int cause = static_cast<int>(LinkCheckCause::NoWiredAdapter);
         cause <= static_cast<int>(LinkCheckCause::InvalidMacs); ++cause) {
        CLookInfo failed(Texts(), frame_.get());
        failed.SetCauseKey(LinkCheckCauseKey(static_cast<LinkCheckCause>(cause)));
        failed.open();
        Shoot(&failed, QStringLiteral("connect_failed_cause%1").arg(cause));
        failed.done(QDialog::Accepted);
    }
}

TEST_P(LookScreens, ResultPageInEveryState)
{
    frame_->ShowPage(PageResult);
    auto* result = qobject_cast<CResultDlg*>(frame_->Pages().Page(PageResult));
    ASSERT_NE(result, nullptr);
    auto now = std::chrono::steady_clock::now();
    result->Extras().SetClock([&now] { return now; });
    const struct {
        const char* name;
        int wanType;
        std::optional<int> accountCheck;
        bool refreshing;
    } states[] = {
        {"account_refused", 3, 0, false},
        {"link_down", 2, 0, false},
        {"not_online", 2, std::nullopt, false},
        {"slow", 2, std::nullopt, true},
    };
    for (const auto& state : states) {
        data_.routerInfo.wanType = state.wanType;
        data_.accountCheckResult = state.accountCheck;
        now += std::chrono::minutes(2);
        result->Extras().ShowState(state.refreshing);
        Shoot(frame_.get(), QStringLiteral("result_%1").arg(QString::fromLatin1(state.name)));
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, LookScreens, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
