#include "CLanguageTable.h"
#include "ProgramFolder.h"
#include "SettingsReader.h"
#include "WizardData.h"

#include "TempFiles.h"

namespace {

class ProgramFolderFixture : public testing::Test {
protected:
    void SetUp() override { SetProgramFolder(folder.Path()); }
    TempFolder folder;
};

using LanguageTable = ProgramFolderFixture;

TEST_F(LanguageTable, GetTextAppliesReplacementsAndFallsBackToTheKey)
{
    folder.Write(QStringLiteral("Language/English.ini"),
                 QStringLiteral("[String]\n"
                                "Hidden=[~NULL~]\n"
                                "Lines=one\\r\\ntwo\n"
                                "Joined=a[~NULL~]b\n"
                                "Quoted=\" padded \"\n"
                                "welcome=Welcome\n"),
                 FileEncoding::Utf16LeBom);
    CLanguageTable table;
    const struct {
        const char* key;
        const char* text;
    } cases[] = {
        {"Hidden", ""},
        {"Lines", "one\r\ntwo"},
        {"Joined", "ab"},
        {"Quoted", " padded "},
        {"welcome                    ", "Welcome"},
        {"Not there", "Not there"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.GetText(QString::fromUtf8(c.key)), QString::fromUtf8(c.text)) << c.key;
}

TEST_F(LanguageTable, UsesTheChosenFileAndEnglishWhenNoneIsChosen)
{
    folder.Write(QStringLiteral("language/english.ini"), QStringLiteral("[String]\nOK=Okay\n"));
    folder.Write(QStringLiteral("language/Deutsch.ini"), QStringLiteral("[String]\nOK=Gut\n"));
    CLanguageTable table;
    EXPECT_EQ(table.GetLanguageFile(), QString());
    EXPECT_EQ(table.GetText(QStringLiteral("OK")), QStringLiteral("Okay"));
    table.SetLanguageFile(QStringLiteral("Deutsch.ini"));
    EXPECT_EQ(table.GetLanguageFile(), QStringLiteral("Deutsch.ini"));
    EXPECT_EQ(table.GetText(QStringLiteral("OK")), QStringLiteral("Gut"));
    table.SetLanguageFile(QStringLiteral("Missing.ini"));
    EXPECT_EQ(table.GetText(QStringLiteral("OK")), QStringLiteral("OK"));
}

TEST_F(LanguageTable, TranslateCaptionIsEmptyWhenTheCaptionStays)
{
    folder.Write(QStringLiteral("Language/English.ini"), QStringLiteral("[String]\nNext=Next >\nLogo=[~NULL~]\n"));
    CLanguageTable table;
    EXPECT_EQ(table.TranslateCaption(QStringLiteral("Next")), QStringLiteral("Next >"));
    EXPECT_EQ(table.TranslateCaption(QStringLiteral("Logo")), QString());
    EXPECT_EQ(table.TranslateCaption(QStringLiteral("Untranslated")), QString());
}

using Settings = ProgramFolderFixture;

TEST_F(Settings, ReadersUseTheirSectionsDefaultsAndReplacements)
{
    folder.Write(QStringLiteral("Setting.ini"),
                 QStringLiteral("[Setting]\nManual=a\\r\\nb\nNote=x[~NULL~]y\n[Font]\nFontName=Verdana\nFontColor=1,2,3\n"));
    EXPECT_EQ(ReadSettingText(QStringLiteral("Note")), QStringLiteral("xy"));
    EXPECT_EQ(ReadSettingText(QStringLiteral("Auto Get IP")), QStringLiteral("Auto Get IP"));
    EXPECT_EQ(ReadSettingPlain(QStringLiteral("Manual")), QStringLiteral("a\\r\\nb"));
    EXPECT_EQ(ReadSettingText(QStringLiteral("Manual")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(ReadFontSetting(QStringLiteral("FontColor")), QStringLiteral("1,2,3"));
    EXPECT_EQ(ReadFontSetting(QStringLiteral("FontName")), QStringLiteral("Verdana"));
    EXPECT_EQ(ReadFontFace(), QStringLiteral("Verdana"));
    EXPECT_EQ(ReadSetting(QStringLiteral("LAN IP"), QStringLiteral("192.168.0.1"), 128), QStringLiteral("192.168.0.1"));
    EXPECT_EQ(ReadFontValue(QStringLiteral("EditBkColor"), QStringLiteral("0,0,0"), 128), QStringLiteral("0,0,0"));
}

TEST_F(Settings, NoSettingsFileGivesEveryDefault)
{
    EXPECT_EQ(ReadFontFace(), QStringLiteral("Arial"));
    EXPECT_EQ(ReadSetting(QStringLiteral("Default Language"), QStringLiteral("English.ini"), 128),
              QStringLiteral("English.ini"));
    const WizardData data;
    const RouterEndpoint endpoint = data.Endpoint();
    EXPECT_EQ(endpoint.address, "192.168.0.1");
    EXPECT_EQ(endpoint.port, 80);
    EXPECT_EQ(endpoint.userName, "admin");
    EXPECT_EQ(endpoint.password, "qzmvx");
}

TEST_F(Settings, EndpointPortComesFromTheSettingWhenValid)
{
    const struct {
        const char* value;
        int port;
    } cases[] = {{"8080", 8080}, {" 18080 ", 18080}, {"0", 80}, {"65536", 80}, {"-1", 80}, {"http", 80}, {"", 80}};
    for (const auto& c : cases) {
        folder.Write(QStringLiteral("setting.ini"), QStringLiteral("[Setting]\nPort=%1\n").arg(QString::fromUtf8(c.value)));
        EXPECT_EQ(WizardData().Endpoint().port, c.port) << c.value;
    }
}

} // namespace
