// Renders every page inside the real frame, the three message boxes, the
// progress dialog, the connect-failed dialog and the about box in each
// shipped language, with the built program folder, into
// screenshots/<dpi>dpi/<Language>/ for a person to look at; and checks that
// no translated text overflows its control, that dialogs open centred on the
// frame, that step numbers sit in their circles and that dense screens get
// the dense pictures.
#include "CAboutDlg.h"
#include "CCorvaneWizardDlg.h"
#include "CDlgMessageBox.h"
#include "CLookInfo.h"
#include "CProgressDlg.h"
#include "CWizardPage.h"
#include "CResultDlg.h"
#include "DialogBuilder.h"
#include "LinkCheckDiagnosis.h"
#include "LookFrame.h"
#include "PageFlow.h"
#include "StepBadge.h"
#include "TextFit.h"
#include "TranslateDialog.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const kLanguages[] = {"English", "Czechic", "SimpChinese"};
constexpr int kConnectFailedTitleId = 1257;

class LookScreens : public ::testing::TestWithParam<const char*>, protected LookFrame {
protected:
    void SetUp() override
    {
        StartFrame(Language());
        QDir().mkpath(ShotFolder());
    }

    void TearDown() override { StopFrame(); }

    QString Language() const { return QString::fromLatin1(GetParam()); }
    static int Dpi()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return qRound(screen->logicalDotsPerInchY() * screen->devicePixelRatio());
    }
    QString ShotFolder() const
    {
        return QStringLiteral(LOOK_SCREENSHOT_DIR "/%1dpi/").arg(Dpi()) + Language();
    }

    void ExpectCentredOnFrame(const QWidget* dialog, const QString& name) const
    {
        const QPoint offset = dialog->frameGeometry().center() - frame_->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 1) << name.toStdString() << " is off the frame's centre by " << offset.x()
                                               << "," << offset.y();
    }

    // Owned by the frame's window, so the desktop keeps it above the frame,
    // and named by its own caption.
    void ExpectOwnedByFrame(const QWidget* dialog, const QString& title) const
    {
        ASSERT_NE(dialog->windowHandle(), nullptr);
        EXPECT_EQ(dialog->windowHandle()->transientParent(), frame_->windowHandle()) << title.toStdString();
        EXPECT_EQ(dialog->windowTitle().toStdString(), title.toStdString());
    }

    void Shoot(QWidget* window, const QString& name) const
    {
        EXPECT_TRUE(window->grab().save(ShotFolder() + u'/' + name + QStringLiteral(".png"))) << name.toStdString();
        const QStringList overflows = TextsThatDoNotFit(window);
        EXPECT_TRUE(overflows.isEmpty()) << name.toStdString() << ":\n" << overflows.join(u'\n').toStdString();
    }
};

TEST_P(LookScreens, EveryPageFitsInsideTheFrame)
{
    for (int page = PageWelcome; page <= PageResult; ++page) {
        frame_->ShowPage(page);
        Shoot(frame_.get(), QStringLiteral("page_%1").arg(page, 2, 10, QChar(u'0')));
        if (const std::optional<QPointF> offset = StepNumberOffset(frame_->Pages().Page(page))) {
            EXPECT_LE(std::abs(offset->x()), 2.5) << "page " << page;
            EXPECT_LE(std::abs(offset->y()), 2.5) << "page " << page;
        }
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
        ExpectCentredOnFrame(&box, QStringLiteral("message box"));
        const QString caption = Texts().GetText(QString::fromLatin1(b.captionKey));
        // A notice without a caption is named by its message's first line.
        const QString firstLine = Texts().GetText(QString::fromLatin1(b.messageKey)).section(u'\n', 0, 0);
        ExpectOwnedByFrame(&box, caption.isEmpty() ? firstLine : caption);
        box.done(AnswerOk);
    }
}

TEST_P(LookScreens, ProgressAndConnectFailedDialogs)
{
    for (int task = 1; task <= 5; ++task) {
        // Without a parent, as the frame runs it.
        CProgressDlg progress(task, [] { return std::optional<int>(); }, Texts());
        progress.show();
        Shoot(&progress, QStringLiteral("progress_task%1").arg(task));
        ExpectCentredOnFrame(&progress, QStringLiteral("progress dialog"));
        ExpectOwnedByFrame(&progress, Texts().GetText(CProgressDlg::TaskTextKey(task)));
    }

    for (int cause = static_cast<int>(LinkCheckCause::NoWiredAdapter);
         cause <= static_cast<int>(LinkCheckCause::InvalidMacs); ++cause) {
        CLookInfo failed(Texts(), frame_.get());
        failed.SetCauseKey(LinkCheckCauseKey(static_cast<LinkCheckCause>(cause)));
        failed.open();
        Shoot(&failed, QStringLiteral("connect_failed_cause%1").arg(cause));
        ExpectCentredOnFrame(&failed, QStringLiteral("connect-failed dialog"));
        ExpectOwnedByFrame(&failed, ControlCaption(FindControl(&failed, kConnectFailedTitleId)));
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

TEST_P(LookScreens, AboutBoxShowsTheVersionInTheSkin)
{
    CAboutDlg about(Texts(), frame_->windowIcon(), frame_.get());
    about.open();
    Shoot(&about, QStringLiteral("about"));
    ExpectCentredOnFrame(&about, QStringLiteral("about box"));
    EXPECT_FALSE(about.SkinRegion().isEmpty());
    EXPECT_EQ(ControlCaption(FindControl(&about, CAboutDlg::kVersionId)),
              Texts().GetText(QStringLiteral("Version")) + QStringLiteral(" 1.0.0"));
    about.done(QDialog::Accepted);
}

// On a screen that scales by more than 1 the "@2x" twins are painted.
TEST_P(LookScreens, DenseScreensPaintTheDensePictures)
{
    const qreal expected = QGuiApplication::primaryScreen()->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    EXPECT_EQ(frame_->PaintedPicture().devicePixelRatio(), expected);
    frame_->ShowPage(PageConnectionType);
    const CWizardPage* page = frame_->Pages().Page(PageConnectionType);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->PaintedPicture().devicePixelRatio(), expected);
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, LookScreens, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
