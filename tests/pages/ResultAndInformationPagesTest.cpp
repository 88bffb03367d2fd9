#include "InformationPages.h"
#include "QtTestSupport.h"
#include "ResultDisplay.h"

namespace {

WanStatusInfo SampleStatus()
{
    return {"PPPoE", "10.0.0.5", "255.0.0.0", "10.0.0.1", "00:11:22:33:44:55", "Home", 11, 1, true, 2, "secret123"};
}

std::array<QString, 11> TextsFor(const WanStatusInfo& status, const CLanguageTable& language)
{
    std::array<QString, 11> texts;
    for (std::size_t i = 0; i < ResultFields.size(); ++i)
        texts[i] = ResultText(ResultFields[i], status, language).value_or(QString());
    return texts;
}

using ResultDisplay = ProgramFolderTest;

TEST_F(ResultDisplay, MapsEachValueToItsText)
{
    WriteLanguage(QStringLiteral("English.ini"),
                  QStringLiteral("PPPoE=PPP dial-up\nAuto=automatic\n11 b/g mode=bg\n11 b/g/n mode=bgn\n"
                                 "Enable=on\nDisable=off\nWEP=wep\nWPA=wpa\nWPA2=wpa2\n"));
    CLanguageTable language;
    const struct {
        const char* name;
        void (*change)(WanStatusInfo&);
        ResultField field;
        std::optional<QString> expected;
    } cases[] = {
        {"link mode looked up", [](WanStatusInfo&) {}, ResultLinkMode, QStringLiteral("PPP dial-up")},
        {"unknown link mode shown as is", [](WanStatusInfo& s) { s.connectionType = "802.1x"; }, ResultLinkMode,
         QStringLiteral("802.1x")},
        {"wan ip as is", [](WanStatusInfo&) {}, ResultWanIp, QStringLiteral("10.0.0.5")},
        {"wan mac as is", [](WanStatusInfo&) {}, ResultWanMac, QStringLiteral("00:11:22:33:44:55")},
        {"channel number", [](WanStatusInfo&) {}, ResultChannel, QStringLiteral("11")},
        {"channel zero", [](WanStatusInfo& s) { s.channel = 0; }, ResultChannel, QStringLiteral("automatic")},
        {"mode bgn", [](WanStatusInfo&) {}, ResultWirelessMode, QStringLiteral("bgn")},
        {"mode bg", [](WanStatusInfo& s) { s.mode = 0; }, ResultWirelessMode, QStringLiteral("bg")},
        {"other mode unchanged", [](WanStatusInfo& s) { s.mode = 2; }, ResultWirelessMode, std::nullopt},
        {"broadcast on", [](WanStatusInfo&) {}, ResultBroadcast, QStringLiteral("on")},
        {"broadcast off", [](WanStatusInfo& s) { s.broadcastSsid = false; }, ResultBroadcast, QStringLiteral("off")},
        {"security disabled", [](WanStatusInfo& s) { s.securityMode = 0; }, ResultSecurityMode, QStringLiteral("off")},
        {"security wep", [](WanStatusInfo& s) { s.securityMode = 1; }, ResultSecurityMode, QStringLiteral("wep")},
        {"security wpa2", [](WanStatusInfo& s) { s.securityMode = 3; }, ResultSecurityMode, QStringLiteral("wpa2")},
        {"other security unchanged", [](WanStatusInfo& s) { s.securityMode = -1; }, ResultSecurityMode, std::nullopt},
        {"key kept when disabled", [](WanStatusInfo& s) { s.securityMode = 0; }, ResultKey, QStringLiteral("secret123")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WanStatusInfo status = SampleStatus();
        c.change(status);
        EXPECT_EQ(ResultText(c.field, status, language), c.expected);
    }
}

TEST_F(ResultDisplay, RewritesOnlyTheFieldsWhoseTextChanged)
{
    CLanguageTable language;
    WanStatusInfo status = SampleStatus();
    const std::array<QString, 11> shown = TextsFor(status, language);
    EXPECT_TRUE(ChangedResultFields(shown, status, language).empty());

    status.gateway = "10.0.0.254";
    status.mode = 5; // leaves its field alone even though it would differ
    std::array<QString, 11> modeShown = shown;
    modeShown[7] = QStringLiteral("stale");
    EXPECT_EQ(ChangedResultFields(modeShown, status, language),
              (std::vector<ResultFieldText>{{ResultGateway, QStringLiteral("10.0.0.254")}}));

    const std::array<QString, 11> empty{};
    EXPECT_EQ(ChangedResultFields(empty, SampleStatus(), language).size(), 11u);
}

TEST(ResultRefresh, EndsOnceAddressMaskAndGatewayAreKnown)
{
    const struct {
        std::string WanStatusInfo::*field;
        const char* value;
        bool known;
    } cases[] = {
        {&WanStatusInfo::wanIp, "10.0.0.5", true},
        {&WanStatusInfo::wanIp, "", false},
        {&WanStatusInfo::wanIp, "0.0.0.0", false},
        {&WanStatusInfo::subnetMask, "0.0.0.0", false},
        {&WanStatusInfo::gateway, "0.0.0.0", false},
        {&WanStatusInfo::gateway, "", false},
        {&WanStatusInfo::wanMac, "", true},
    };
    for (const auto& c : cases) {
        WanStatusInfo status = SampleStatus();
        status.*c.field = c.value;
        EXPECT_EQ(IsWanAddressKnown(status), c.known) << c.value;
    }
}

TEST(InformationPages, InstructionPictureFollowsTheLanguageFile)
{
    const struct {
        const char* language;
        int page;
        const char* expected;
    } cases[] = {
        {"SimpChinese.ini", 1, "/p/Skin\\cn\\Setup1.bmp"},
        {"SimpChinese.ini", 4, "/p/Skin\\cn\\Setup4.bmp"},
        {"simpchinese.ini", 3, "/p/Skin\\pic\\Setup3.bmp"},
        {"simpchinese.ini", 4, "/p/Skin\\pic\\simpchinese_Setup4.bmp"},
        {"English.ini", 2, "/p/Skin\\pic\\Setup2.bmp"},
        {"English.ini", 4, "/p/Skin\\pic\\English_Setup4.bmp"},
        {"ab", 4, "/p/Skin\\pic\\ab_Setup4.bmp"},
        {"", 4, "/p/Skin\\pic\\_Setup4.bmp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InstructionPicturePath(QStringLiteral("/p/"), c.page, QString::fromLatin1(c.language)),
                  QString::fromLatin1(c.expected))
            << c.language << " " << c.page;
    }
}

TEST(InformationPages, LanguageButtonSelectsItsCaptionAsFile)
{
    EXPECT_EQ(LanguageFileForCaption(QStringLiteral("English")), QStringLiteral("English.ini"));
    EXPECT_EQ(LanguageFileForCaption(QStringLiteral("Deutsch")), QStringLiteral("Deutsch.ini"));
}

} // namespace
