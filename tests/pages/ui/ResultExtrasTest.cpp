// The result page's state headline, its join code as a phone would read
// it, and the network card as a person would save it.
#include "CResultDlg.h"

#include "AccessibleEventLog.h"
#include "CSkDisplayPic.h"
#include "ResultPageFixture.h"
#include "SaveFileDialog.h"
#include "TranslateDialog.h"
#include "WifiUri.h"
#include "WirelessStatus.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace std::chrono_literals;

// Runs a tool and gives its standard output; empty when it failed.
QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray ShippedLanguage(const QString& stem)
{
    QFile file(QStringLiteral(CORVANE_SOURCE_DIR "/assets/language/") + stem + QStringLiteral(".ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ResultExtrasTest : public ResultPageFixture {
protected:
    std::unique_ptr<CResultDlg> MakePage(bool withRouter)
    {
        auto page = ResultPageFixture::MakePage(withRouter);
        page->Extras().SetClock([this] { return now; });
        return page;
    }
    static QString Text(const CResultDlg& page, int id) { return ControlCaption(FindControl(&page, id)); }
    static CSkDisplayPic* Picture(const CResultDlg& page, int id) { return FindControlAs<CSkDisplayPic>(&page, id); }

    std::chrono::steady_clock::time_point now{};
    QTemporaryDir output;
};

TEST_F(ResultExtrasTest, DrawnJoinCodeReadsBackAsTheNetworkWithItsTypedKey)
{
    const struct {
        const char* ssid;
        int mode;
        const char* key;
        bool broadcast;
    } networks[] = {
        {"Home_Net", 3, "Pa55word99", true},
        {R"(Cafe "A";B,C:D\E)", 2, R"(k;e,y:"x\y)", false},
        {"Open Lobby", 0, "unused", true},
    };
    for (const auto& n : networks) {
        auto page = MakePage(false);
        SetWireless(host.data.wanStatusInfo, n.ssid, n.mode, n.key, n.broadcast);
        page->show();
        const QString png = output.filePath(QStringLiteral("code.png"));
        ASSERT_TRUE(Picture(*page, ResultExtras::kJoinCode)->grab().save(png));
        const QString decoded = RunTool(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        EXPECT_EQ(decoded.trimmed(), WifiUri(host.data.wanStatusInfo)) << n.ssid;
    }
}

TEST_F(ResultExtrasTest, HeadlineAndSignFollowTheWanStateAndTheWait)
{
    auto page = MakePage(true);
    host.data.routerInfo.wanType = 3;
    host.data.accountCheckResult = 0;
    router.Answer(1, WanStatus("PPPoE", "0.0.0.0", "0.0.0.0", "0.0.0.0", ""));
    page->show();
    const auto signIsGreen = [&] {
        const QImage sign = Picture(*page, ResultExtras::kStateIcon)->Picture();
        const QColor centre = sign.pixelColor(sign.width() / 2, sign.height() / 2 + sign.height() / 5);
        return centre.green() > centre.red() + 60 && centre.green() > centre.blue() + 60;
    };
    EXPECT_EQ(Text(*page, 1171), "Result Connecting");
    EXPECT_EQ(Text(*page, 1207), "Status Note");
    EXPECT_FALSE(signIsGreen());

    // A minute later the round's answer still has no address.
    now += 61s;
    sleeper->Allow(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text(*page, 1171) == "Result Not Online"; }, 10000));
    EXPECT_EQ(Text(*page, 1207), "Result Cause Account");
    EXPECT_FALSE(signIsGreen());

    router.Answer(1, WanStatus("PPPoE", "10.0.0.2", "255.0.0.0", "10.0.0.1", ""));
    sleeper->Allow(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text(*page, 1171) == "Result Online"; }, 10000));
    EXPECT_TRUE(signIsGreen());
    EXPECT_EQ(Picture(*page, ResultExtras::kStateIcon)->accessibleName(), "Result Online");
}

// The headline turns while the focus is elsewhere: a screen reader is told
// the new headline and note; the page's opening is the frame's to tell.
TEST_F(ResultExtrasTest, TurningHeadlineIsAnnounced)
{
    AccessibleEventLog log;
    auto page = MakePage(true);
    router.Answer(1, WanStatus("Dynamic IP", "0.0.0.0", "0.0.0.0", "0.0.0.0", ""));
    page->show();
    EXPECT_EQ(Text(*page, 1171), "Result Connecting");
    EXPECT_TRUE(log.TakeAnnouncements().empty());

    router.Answer(1, WanStatus("Dynamic IP", "10.0.0.2", "255.0.0.0", "10.0.0.1", ""));
    sleeper->Allow(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text(*page, 1171) == "Result Online"; }, 10000));
    EXPECT_EQ(log.TakeAnnouncements(),
              (std::vector<AccessibleEventLog::Announcement>{{"Result Online", "Result Online Note"}}));
}

TEST_F(ResultExtrasTest, SavedCardIsOnePdfPageInEachLanguage)
{
    for (const QString& stem : {QStringLiteral("English"), QStringLiteral("Czechic"), QStringLiteral("SimpChinese")}) {
        SCOPED_TRACE(stem.toStdString());
        const QByteArray texts = ShippedLanguage(stem);
        ASSERT_FALSE(texts.isEmpty());
        WriteLanguageFile(stem + QStringLiteral(".ini"), texts);
        host.data.language.SetLanguageFile(stem + QStringLiteral(".ini"));
        SetWireless(host.data.wanStatusInfo, "Home_Net", 3, "Pa55word99", true);
        host.data.wanStatusInfo.connectionType = "Dynamic IP";
        host.data.wanStatusInfo.wanIp = "198.51.100.7";
        auto page = MakePage(false);
        page->show();

        const QString pdf = output.filePath(stem + QStringLiteral(".pdf"));
        SetNextSaveFileChoice(pdf);
        auto* save = FindControlAs<QAbstractButton>(page.get(), ResultExtras::kSaveCard);
        EXPECT_FALSE(save->accessibleName().isEmpty());
        EXPECT_TRUE(save->focusPolicy() & Qt::TabFocus);
        QTest::mouseClick(save, Qt::LeftButton);

        const std::optional<QString> suggested = TakeSuggestedSavePath();
        ASSERT_TRUE(suggested.has_value());
        EXPECT_TRUE(suggested->endsWith(host.data.language.GetText(QStringLiteral("Card File")) + ".pdf"));
        const QString prefix = output.filePath(stem);
        RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), pdf,
                                              prefix});
        EXPECT_TRUE(QFile::exists(prefix + QStringLiteral("-1.png")));
        EXPECT_FALSE(QFile::exists(prefix + QStringLiteral("-2.png")));
        // CJK fonts map some glyphs to their compatibility radicals; NFKC folds them back.
        const QString words =
            RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).normalized(QString::NormalizationForm_KC);
        for (const QString& expected : {host.data.language.GetText(QStringLiteral("Card Title")),
                                        QStringLiteral("Home_Net"), QStringLiteral("Pa55word99"),
                                        QStringLiteral("198.51.100.7")})
            EXPECT_TRUE(words.contains(expected)) << expected.toStdString() << " in\n" << words.toStdString();
    }
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ResultExtrasTest, CancelWritesNothingAndAnUnwritablePlaceIsTold)
{
    auto page = MakePage(false);
    page->show();
    auto* save = FindControlAs<QAbstractButton>(page.get(), ResultExtras::kSaveCard);

    SetNextSaveFileChoice(QString());
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_TRUE(QDir(output.path()).isEmpty());
    EXPECT_TRUE(TakeMessages().empty());

    SetNextSaveFileChoice(output.filePath(QStringLiteral("missing/folder/card.pdf")));
    QTest::mouseClick(save, Qt::LeftButton);
    const auto messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, "Card Save Failed");
    TakeSuggestedSavePath();
}

} // namespace
