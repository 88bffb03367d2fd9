#include "CSetup5Dlg.h"

#include "FakeWizardHost.h"
#include "PageTestSupport.h"
#include "ProgressTask.h"

#include <QAbstractButton>
#include <QTest>

namespace {

class ConnectionTypePageTest : public PageTest {
protected:
    QWidget* ControlOf(const CSetup5Dlg& page, int id) { return FindControl(&page, id); }
    FakeWizardHost host;
};

TEST_F(ConnectionTypePageTest, EachChoiceRecordsItsTypeAndMovesOn)
{
    const struct {
        int button;
        int wanType;
    } cases[] = {{1147, 2}, {1151, 1}, {1149, 3}, {1148, 4}, {1146, 5}};
    CSetup5Dlg page(nullptr, host);
    for (const auto& c : cases) {
        FindControlAs<QAbstractButton>(&page, c.button)->click();
        EXPECT_EQ(host.data.routerInfo.wanType, c.wanType) << c.button;
        ASSERT_FALSE(host.chosenTypes.empty());
        EXPECT_EQ(host.chosenTypes.back(), c.wanType);
    }
    EXPECT_EQ(host.chosenTypes.size(), std::size(cases));
}

TEST_F(ConnectionTypePageTest, AutoDetectionShowsItsBoxAndChoosesOnlyDetectedTypes)
{
    const struct {
        std::optional<int> result;
        int boxType;
        QString caption;
        QString message;
        int chosen; // 0: the page is left with the earlier type
    } cases[] = {
        {1, 3, "Done", "Your connection is Fixed address", 1},
        {2, 3, "Done", "Your connection is Dynamic IP", 2},
        {3, 3, "Done", "Your connection is   PPPoE dial-up", 3},
        {0, 1, "Detection failed", "Choose the type yourself", 0},
        {4, 1, "Detection failed", "Choose the type yourself", 0},
        {-1, 1, "Detection failed", "Choose the type yourself", 0},
        {std::nullopt, 1, "Detection failed", "Choose the type yourself", 0},
    };
    for (const auto& c : cases) {
        FakeWizardHost caseHost;
        caseHost.data.routerInfo.wanType = 2;
        caseHost.taskResults.push_back(c.result);
        CSetup5Dlg page(nullptr, caseHost);
        page.AutoDetectWanType();

        EXPECT_EQ(caseHost.tasksRun, std::vector<int>{TaskAutoDetect});
        const auto shown = TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].type, c.boxType);
        EXPECT_EQ(shown[0].caption, c.caption);
        EXPECT_EQ(shown[0].message, c.message);
        if (c.chosen != 0) {
            EXPECT_EQ(caseHost.data.routerInfo.wanType, c.chosen);
            EXPECT_EQ(caseHost.chosenTypes, std::vector<int>{c.chosen});
            EXPECT_EQ(caseHost.leftConnectionPage, 0);
        } else {
            EXPECT_EQ(caseHost.data.routerInfo.wanType, 2);
            EXPECT_TRUE(caseHost.chosenTypes.empty());
            EXPECT_EQ(caseHost.leftConnectionPage, 1);
        }
    }
}

TEST_F(ConnectionTypePageTest, WhichChoicesAreOfferedBySettingAndLanguage)
{
    const struct {
        QByteArray settings;
        QString languageFile;
        bool pptp;
        bool l2tpAndDetection;
    } cases[] = {
        {"", "English.ini", false, false},
        {"[Setting]\r\nShow All Connection Types=0\r\n", "English.ini", false, false},
        {"[Setting]\r\nShow All Connection Types=1\r\n", "English.ini", true, true},
        {"[Setting]\r\nShow All Connection Types=1\r\n", "SimpChinese.ini", false, true},
        {"[Setting]\r\nShow All Connection Types=1\r\n", "simpchinese.ini", true, true},
    };
    for (const auto& c : cases) {
        WriteSettings(c.settings);
        host.data.language.SetLanguageFile(c.languageFile);
        CSetup5Dlg page(nullptr, host);
        const std::string where = c.settings.toStdString() + c.languageFile.toStdString();
        for (int always : {1147, 1151, 1149})
            EXPECT_FALSE(ControlOf(page, always)->isHidden()) << where;
        EXPECT_EQ(!ControlOf(page, 1148)->isHidden(), c.pptp) << where;
        for (int id : {1146, 1152, 1213})
            EXPECT_EQ(!ControlOf(page, id)->isHidden(), c.l2tpAndDetection) << where << " " << id;
    }
}

} // namespace
