#include "ConnectionChoices.h"
#include "LanguageName.h"
#include "QtTestSupport.h"
#include "WanTypeDetection.h"

#include <algorithm>

namespace {

TEST(WanTypeDetection, OnlyOneToThreeCountAsDetected)
{
    const struct {
        int result;
        DetectionOutcome expected;
    } cases[] = {
        {1, {true, 1, QStringLiteral("Static IP"), QStringLiteral(" ")}},
        {2, {true, 2, QStringLiteral("Dynamic IP"), QStringLiteral(" ")}},
        {3, {true, 3, QStringLiteral("PPPoE"), QStringLiteral("   ")}},
        {0, {}},
        {4, {}},
        {5, {}},
        {-1, {}},
        {-2, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyDetection(c.result), c.expected) << c.result;
}

using DetectionMessages = ProgramFolderTest;

TEST_F(DetectionMessages, NoticeJoinsTheTextsWithTheTypesSeparator)
{
    WriteLanguage(QStringLiteral("English.ini"),
                  QStringLiteral("Your connection way=Your connection is\nPPPoE=PPP over Ethernet\n"
                                 "Success=Done\nAuto detection failure=Failed\n"));
    CLanguageTable language;
    EXPECT_EQ(DetectionMessage(ClassifyDetection(3), language),
              (MessageBoxText{MessageNotice, QStringLiteral("Done"),
                              QStringLiteral("Your connection is   PPP over Ethernet")}));
    EXPECT_EQ(DetectionMessage(ClassifyDetection(2), language).message,
              QStringLiteral("Your connection is Dynamic IP"));
    EXPECT_EQ(DetectionMessage(ClassifyDetection(-2), language),
              (MessageBoxText{MessageWarning, QStringLiteral("Failed"), QStringLiteral("Auto detection failure Desc")}));
}

TEST(LanguageName, SimplifiedChineseNeedsTheExactStem)
{
    const struct {
        const char* file;
        const char* stem;
        bool simplifiedChinese;
    } cases[] = {
        {"SimpChinese.ini", "SimpChinese", true},
        {"simpchinese.ini", "simpchinese", false},
        {"SimpChinese.txt", "SimpChinese", true},
        {"SimpChinese", "SimpChi", false},
        {"English.ini", "English", false},
        {".ini", "", false},
        {"abc", "abc", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(LanguageFileStem(QString::fromLatin1(c.file)), QString::fromLatin1(c.stem));
        EXPECT_EQ(IsSimplifiedChinese(QString::fromLatin1(c.file)), c.simplifiedChinese);
        EXPECT_EQ(HidesPptpChoice(QString::fromLatin1(c.file)), c.simplifiedChinese);
    }
}

} // namespace
