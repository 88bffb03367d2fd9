// Renders every template as a skinned dialog for a person to look at.
#include "CPolygonDialog.h"
#include "CSkBtn_Hotspot.h"
#include "CSkBtn_Pic.h"
#include "CSkEdit.h"
#include "CSkStatic.h"
#include "DialogTemplate.h"
#include "HouseStyles.h"
#include "SkinFolder.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

QString SkinFor(int templateId)
{
    switch (templateId) {
    case 102:
        return "Skin/dlgMainUI.bmp";
    case 167:
        return "Skin/DlgMessageBox.bmp";
    case 214:
        return "Skin/link_error.bmp";
    case 205:
        return "Skin/Background1.bmp";
    case 160:
        return "Skin/Background3.bmp";
    default:
        return "Skin/Background2.bmp";
    }
}

void ApplyHouseLook(QWidget* dialog)
{
    for (auto* label : dialog->findChildren<CSkStatic*>())
        ApplyLabelStyle(label);
    for (auto* edit : dialog->findChildren<CSkEdit*>())
        ApplyEditStyle(edit);
    for (auto* button : dialog->findChildren<CSkBtn_Pic*>())
        ApplyButtonStyle(button, false);
    for (auto* link : dialog->findChildren<CSkBtn_Hotspot*>())
        ApplyPictureButtonStyle(link, 0, 0);
}

TEST(SkinScreenshotTest, EveryTemplateRendersOverItsSkin)
{
    SkinFolder skin;
    skin.WriteStandardSkin();
    for (int id : DialogTemplateIds()) {
        CPolygonDialog dialog(id);
        dialog.SetSkinBitmap(skin.Path(SkinFor(id)), kSkinKeyColor);
        dialog.InitDialog();
        ApplyHouseLook(&dialog);
        const QImage shot = dialog.grab().toImage();
        EXPECT_EQ(shot.size(), dialog.size()) << id;
        SaveScreenshot(&dialog, QStringLiteral("template_%1").arg(id));
    }
}

} // namespace
