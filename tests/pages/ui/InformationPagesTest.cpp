// The instruction and language pages.
#include "CInstructionPage.h"
#include "CSelectlanguage.h"

#include "FakeWizardHost.h"
#include "PageTestSupport.h"

#include <QAbstractButton>

namespace {

class InformationPagesTest : public PageTest {
protected:
    FakeWizardHost host;
};

TEST_F(InformationPagesTest, InstructionPicturesFollowTheLanguageFile)
{
    const struct {
        QString languageFile;
        QString pictures[4];
    } cases[] = {
        {"SimpChinese.ini",
         {"%sSkin\\cn\\Setup1.bmp", "%sSkin\\cn\\Setup2.bmp", "%sSkin\\cn\\Setup3.bmp", "%sSkin\\cn\\Setup4.bmp"}},
        {"English.ini",
         {"%sSkin\\pic\\Setup1.bmp", "%sSkin\\pic\\Setup2.bmp", "%sSkin\\pic\\Setup3.bmp",
          "%sSkin\\pic\\English_Setup4.bmp"}},
        {"simpchinese.ini",
         {"%sSkin\\pic\\Setup1.bmp", "%sSkin\\pic\\Setup2.bmp", "%sSkin\\pic\\Setup3.bmp",
          "%sSkin\\pic\\simpchinese_Setup4.bmp"}},
    };
    for (const auto& c : cases) {
        for (int page = 1; page <= 4; ++page)
            EXPECT_EQ(CInstructionPage::PicturePath(page, c.languageFile), c.pictures[page - 1]);
    }
}

TEST_F(InformationPagesTest, LanguageButtonSelectsTheFileNamedByItsCaption)
{
    WriteLanguageFile(QStringLiteral("English.ini"), "[String]\r\nCzechic=Cestina\r\n");
    const struct {
        int button;
        QString file;
    } cases[] = {{CSelectlanguage::kFirstLanguageButton, "English.ini"},
                 {CSelectlanguage::kSecondLanguageButton, "Cestina.ini"}};
    for (const auto& c : cases) {
        host.data.language.SetLanguageFile(QStringLiteral("English.ini"));
        CSelectlanguage page(nullptr, host);
        page.show();
        FindControlAs<QAbstractButton>(&page, c.button)->click();
        EXPECT_EQ(host.data.language.GetLanguageFile(), c.file);
        ASSERT_FALSE(host.languageChosenWith.empty());
        EXPECT_EQ(host.languageChosenWith.back(), c.file);
        EXPECT_TRUE(page.isHidden());
    }
}

} // namespace
