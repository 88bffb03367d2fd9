#include "CLanguageTable.h"
#include "CPolygonDialog.h"
#include "CSkBtn_Pic.h"
#include "CSkStatic.h"
#include "HouseStyles.h"
#include "DialogBuilder.h"
#include "DialogRelayout.h"
#include "DialogTemplate.h"
#include "SkinFolder.h"
#include "TranslateDialog.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SkinTemplateTest, EveryTemplateBuildsWithUniqueIdsInsideItsDialog)
{
    const std::vector<int> expectedIds = {100, 102, 135, 157, 158, 159, 160, 167, 187, 188,
                                          189, 205, 207, 208, 209, 210, 212, 214, 216};
    std::vector<int> ids = DialogTemplateIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, expectedIds);
    for (int id : expectedIds) {
        const DialogTemplate* t = FindDialogTemplate(id);
        ASSERT_NE(t, nullptr) << id;
        QWidget dialog;
        ASSERT_TRUE(BuildDialogFromTemplate(&dialog, id));
        std::set<int> seen;
        for (const DialogItem& item : t->items) {
            EXPECT_TRUE(seen.insert(item.id).second) << "template " << id << " repeats " << item.id;
            EXPECT_NE(FindControl(&dialog, item.id), nullptr) << id << "/" << item.id;
            EXPECT_TRUE(item.rect.x >= 0 && item.rect.y >= 0 && item.rect.x + item.rect.cx <= t->cx &&
                        item.rect.y + item.rect.cy <= t->cy)
                << "template " << id << " control " << item.id << " leaves the dialog";
        }
    }
    EXPECT_EQ(FindDialogTemplate(999), nullptr);
}

TEST(SkinTemplateTest, SharedGeometryMatchesThePictures)
{
    struct Case {
        int templateId;
        int controlId; // 0: the dialog itself
        QRect pixels;
    };
    const Case cases[] = {
        {102, 0, {0, 0, 673, 500}},       {102, 1104, {12, 69, 648, 360}}, {102, 1082, {330, 448, 100, 32}},
        {102, 1151, {330, 448, 100, 32}}, {102, 1083, {550, 448, 100, 32}}, {135, 0, {0, 0, 453, 130}},
        {167, 0, {0, 0, 420, 195}},       {167, 1, {174, 152, 72, 26}},   {167, 6, {130, 152, 72, 26}},
        {167, 1211, {109, 16, 289, 24}},  {214, 0, {0, 0, 756, 308}},     {214, 1105, {327, 258, 100, 32}},
        {212, 0, {0, 0, 648, 360}},       {212, 1174, {7, 3, 70, 60}},
    };
    SkinFolder skin;
    skin.WriteStandardSkin();
    for (const Case& c : cases) {
        QWidget dialog;
        ASSERT_TRUE(BuildDialogFromTemplate(&dialog, c.templateId));
        // Push buttons fit themselves to their picture strip.
        for (auto* button : dialog.findChildren<CSkBtn_Pic*>())
            ApplyButtonStyle(button, c.templateId == 167);
        const QRect actual = c.controlId == 0 ? QRect(QPoint(0, 0), dialog.size())
                                              : FindControl(&dialog, c.controlId)->geometry();
        EXPECT_EQ(actual, c.pixels) << c.templateId << "/" << c.controlId;
    }
}

TEST(SkinTemplateTest, CaptionsKeepTheirTrailingBlanks)
{
    const std::tuple<int, int, QString> cases[] = {
        {212, 1151, "Static IP Desc "},
        {212, 1213, "Detect manually "},
        {189, 1132, "Authentication Mode "},
        {205, 1172, "welcome" + QString(20, u' ')},
        {205, 1173, "info" + QString(17, u' ')},
        {189, 1142, "3600"},
    };
    for (const auto& [templateId, controlId, caption] : cases) {
        QWidget dialog;
        BuildDialogFromTemplate(&dialog, templateId);
        EXPECT_EQ(ControlCaption(FindControl(&dialog, controlId)), caption) << templateId << "/" << controlId;
    }
}

TEST(SkinTemplateTest, TranslateDialogReplacesKnownKeysOnly)
{
    SkinFolder skin;
    skin.WriteText("Language/English.ini", "[String]\nTitle=Welcome here\nGone=[~NULL~]\nTwo=one\\r\\ntwo\n");
    QWidget dialog;
    const std::pair<const char*, QString> cases[] = {
        {"Title", "Welcome here"}, {"Gone", "Gone"}, {"Missing", "Missing"}, {"Two", "one\r\ntwo"}};
    for (const auto& [key, shown] : cases)
        new QLabel(QString::fromUtf8(key), &dialog);
    CLanguageTable language;
    TranslateDialog(&dialog, language);
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(labels[static_cast<qsizetype>(i)]->text(), cases[i].second) << cases[i].first;
}

TEST(SkinTemplateTest, RelayoutStopsAtTheFirstControlItCannotFind)
{
    QWidget dialog;
    BuildDialogFromTemplate(&dialog, 159);
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(0, 0);
    delete FindControl(&dialog, 1074);
    dialog.setFont(QFont("Arial", 20));

    DialogRelayout relayout;
    relayout.Apply(&dialog, 159, 120.0);
    EXPECT_TRUE(relayout.IsActive());
    EXPECT_EQ(FindControl(&dialog, 1030)->pos(), QPoint(255, 87));
    EXPECT_EQ(FindControl(&dialog, 1030)->font().pixelSize(), 13);
    EXPECT_EQ(FindControl(&dialog, 1031)->pos(), QPoint(0, 0));
    relayout.Restore();
    EXPECT_FALSE(relayout.IsActive());
    EXPECT_EQ(dialog.font().pointSize(), 20);
}

} // namespace
