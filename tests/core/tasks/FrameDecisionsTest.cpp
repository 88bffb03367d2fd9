#include "FrameButtons.h"
#include "ManualFile.h"
#include "MockRouter.h"
#include "PageFlow.h"
#include "QtTestSupport.h"
#include "ScaledSleeper.h"
#include "WizardExit.h"

namespace {

TEST(FrameButtons, EachPageShowsItsButtonsAndNextCaption)
{
    const struct {
        int page;
        FrameButtons expected; // back, next, exit, manual, caption
    } cases[] = {
        {0, {false, true, true, true, QStringLiteral("Start")}},
        {1, {true, true, true, false, QStringLiteral("Next")}},
        {4, {true, true, true, false, QStringLiteral("Next")}},
        {5, {true, false, true, false, QStringLiteral("Next")}},
        {11, {true, true, true, false, QStringLiteral("Next")}},
        {12, {true, true, true, false, QStringLiteral("Finish")}},
        {216, {false, false, true, false, QStringLiteral("Next")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ButtonsForPage(c.page), c.expected) << c.page;
}

TEST(ManualFile, OneManualForAllUnlessTheChoiceIsEmptyOrManual)
{
    const struct {
        const char* stem;
        const char* language;
        const char* choice;
        const char* expected;
    } cases[] = {
        {"Guide", "Deutsch.ini", "Manual", "/p/Guide_Deutsch.pdf"},
        {"Guide", "English.ini", "", "/p/Guide_English.pdf"},
        {"Guide", "English.ini", "1", "/p/Guide.pdf"},
        {"Guide", "English.ini", "manual", "/p/Guide.pdf"},
        {"", "English.ini", "Manual", "/p/_English.pdf"},
        {"Guide", "ab", "Manual", "/p/Guide_ab.pdf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ManualFilePath(QStringLiteral("/p/"), QString::fromLatin1(c.stem), QString::fromLatin1(c.language),
                                 QString::fromLatin1(c.choice)),
                  QString::fromLatin1(c.expected))
            << c.stem << " " << c.language << " " << c.choice;
    }
}

using ManualSettings = ProgramFolderTest;

TEST_F(ManualSettings, ReadsTheStemAndTheChoiceFromTheSettings)
{
    CLanguageTable language;
    language.SetLanguageFile(QStringLiteral("Deutsch.ini"));
    WriteSettings(QStringLiteral("Manual Path=Guide\n"));
    EXPECT_EQ(ManualFileForSettings(language), Folder() + QStringLiteral("Guide_Deutsch.pdf"));
    WriteSettings(QStringLiteral("Manual Path=Guide\nManual=All\n"));
    EXPECT_EQ(ManualFileForSettings(language), Folder() + QStringLiteral("Guide.pdf"));
}

TEST(WizardExit, OnlyYesEndsTheWizardWithCodeZero)
{
    EXPECT_EQ(ExitQuestion(), (UserMessage{MessageQuestion, QStringLiteral("Exit"), QStringLiteral("Leave Massage")}));
    EXPECT_EQ(ExitCodeForAnswer(AnswerYes), 0);
    EXPECT_EQ(ExitCodeForAnswer(AnswerNo), std::nullopt);
    EXPECT_EQ(ExitCodeForAnswer(AnswerEscape), std::nullopt);
    EXPECT_EQ(FinishExitCode, 1);
}

TEST(ScaledSleeper, ScalesEveryWaitByThePercentage)
{
    const struct {
        int percent;
        int wait;
        int expected;
    } cases[] = {{100, 40000, 40000}, {10, 40000, 4000}, {0, 500, 0}, {250, 500, 1250}, {1, 500, 5}};
    for (const auto& c : cases) {
        testing::StrictMock<MockSleeper> inner;
        EXPECT_CALL(inner, Sleep(std::chrono::milliseconds(c.expected)));
        ScaledSleeper(inner, c.percent).Sleep(std::chrono::milliseconds(c.wait));
    }
}

TEST(ScaledSleeper, AnythingButAWholeNumberFromZeroKeepsTheWaits)
{
    const struct {
        const char* text;
        int percent;
    } cases[] = {{"100", 100}, {"5", 5}, {" 20 ", 20}, {"0", 0}, {"-5", 100}, {"fast", 100}, {"", 100}, {"1e3", 100},
                 {"99999999999", 100}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseWaitScalePercent(QString::fromLatin1(c.text)), c.percent) << c.text;
}

using WaitScaleSetting = ProgramFolderTest;

TEST_F(WaitScaleSetting, DefaultsToOneHundred)
{
    EXPECT_EQ(ReadWaitScalePercent(), 100);
    WriteSettings(QStringLiteral("Wait Scale Percent=2\n"));
    EXPECT_EQ(ReadWaitScalePercent(), 2);
}

} // namespace
