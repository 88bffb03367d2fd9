// Every page and dialog under a dark and a high-contrast desktop theme, forced
// on the application before the windows are built: each text keeps at least
// 4.5 : 1 against what lies under it, as the light skin needs. The lowest
// ratio of each screen is printed, and each screen is saved into
// screenshots/theme/<theme>/ for a person to look at.
#include "CDlgMessageBox.h"
#include "CLookInfo.h"
#include "CProgressDlg.h"
#include "CWizardPage.h"
#include "LinkCheckDiagnosis.h"
#include "LookFrame.h"
#include "PageFlow.h"
#include "ProgressTask.h"
#include "TextContrast.h"
#include "UserMessage.h"

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

constexpr double kLeastContrast = 4.5;

QPalette DarkTheme()
{
    QPalette dark(QColor(220, 220, 220), QColor(53, 53, 53), QColor(80, 80, 80), QColor(25, 25, 25),
                  QColor(40, 40, 40), QColor(230, 230, 230), Qt::white, QColor(30, 30, 30), QColor(45, 45, 45));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    return dark;
}

// White and yellow on black, as the high-contrast desktop themes draw.
QPalette HighContrastTheme()
{
    QPalette contrast(Qt::white, Qt::black, Qt::white, Qt::white, Qt::gray, Qt::yellow, Qt::white, Qt::black,
                      Qt::black);
    contrast.setColor(QPalette::Highlight, Qt::cyan);
    contrast.setColor(QPalette::HighlightedText, Qt::black);
    contrast.setColor(QPalette::ButtonText, Qt::yellow);
    return contrast;
}

struct Theme {
    const char* name;
    QPalette (*palette)();
};

const Theme kThemes[] = {{"dark", DarkTheme}, {"high_contrast", HighContrastTheme}};

void PrintTo(const Theme& theme, std::ostream* out)
{
    *out << theme.name;
}

class ThemeContrast : public ::testing::TestWithParam<Theme>, protected LookFrame {
protected:
    void SetUp() override
    {
        desktopPalette_ = QApplication::palette();
        desktopStyle_ = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(GetParam().palette());
        StartFrame(QStringLiteral("English"));
        QDir().mkpath(ShotFolder());
    }

    void TearDown() override
    {
        StopFrame();
        QApplication::setPalette(desktopPalette_);
        QApplication::setStyle(QStyleFactory::create(desktopStyle_));
    }

    QString ShotFolder() const
    {
        return QStringLiteral(LOOK_SCREENSHOT_DIR "/theme/") + QString::fromLatin1(GetParam().name);
    }

    // Saves the screen and checks its texts; prints its lowest ratio.
    void ExpectReadable(QWidget* window, const QString& screen,
                        const std::function<bool(const QWidget*)>& covered = {}) const
    {
        EXPECT_TRUE(window->grab().save(ShotFolder() + u'/' + screen + QStringLiteral(".png")));
        const std::vector<TextContrast> texts = MeasureTextContrast(window, covered);
        ASSERT_FALSE(texts.empty()) << screen.toStdString();
        const auto lowest = std::min_element(texts.begin(), texts.end(),
                                             [](const auto& a, const auto& b) { return a.ratio < b.ratio; });
        std::cout << GetParam().name << ' ' << screen.toStdString() << ": lowest " << lowest->ratio << " ("
                  << lowest->control.toStdString() << "), " << texts.size() << " texts\n";
        for (const TextContrast& text : texts)
            EXPECT_GE(text.ratio, kLeastContrast) << screen.toStdString() << ": " << text.control.toStdString();
    }

    QPalette desktopPalette_;
    QString desktopStyle_;
};

TEST_P(ThemeContrast, EveryPageKeepsItsTextsReadable)
{
    std::vector<int> pages;
    for (int page = PageWelcome; page <= PageResult; ++page)
        pages.push_back(page);
    pages.push_back(PageLanguage);
    for (const int page : pages) {
        frame_->ShowPage(page);
        // The pages shown before may still lie under this one.
        const QWidget* shown = page == PageLanguage ? frame_->LanguagePage() : frame_->Pages().Page(page);
        const auto otherPage = [this, shown](const QWidget* part) {
            return part->parent() == frame_.get() && part != shown && qobject_cast<const CWizardPage*>(part);
        };
        ExpectReadable(frame_.get(), QStringLiteral("page_%1").arg(page, 3, 10, QChar(u'0')), otherPage);
    }
}

TEST_P(ThemeContrast, EveryDialogKeepsItsTextsReadable)
{
    for (const int type : {MessageWarning, MessageQuestion, MessageNotice}) {
        CDlgMessageBox box(Texts());
        box.SetType(type);
        box.SetCaption(Texts().GetText(QStringLiteral("Waring")));
        box.SetMessage(Texts().GetText(QStringLiteral("SSID invaid")));
        box.open();
        ExpectReadable(&box, QStringLiteral("message_box_type%1").arg(type));
        box.done(AnswerOk);
    }
    CProgressDlg progress(TaskSave, [] { return std::optional<int>(); }, Texts());
    progress.show();
    ExpectReadable(&progress, QStringLiteral("progress"));
    CLookInfo failed(Texts());
    failed.SetCauseKey(LinkCheckCauseKey(LinkCheckCause::RouterSilent));
    failed.open();
    ExpectReadable(&failed, QStringLiteral("connect_failed"));
    failed.done(QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(DesktopThemes, ThemeContrast, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
